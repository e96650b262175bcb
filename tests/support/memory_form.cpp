#include "tests/support/memory_form.h"

#include "ui/conversions.h"
#include "ui/runtime_error.h"

#include <tuple>
#include <utility>

namespace zarvona {

namespace {

std::string utf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string name(Control control) { return std::string(controlName(control)); }

bool supports(ControlKind kind, Property property)
{
    switch (property) {
    case Property::Caption: return kind == ControlKind::Label;
    case Property::Visible: return true;
    case Property::Text: return kind == ControlKind::ListBox;
    case Property::ForeColor: return kind == ControlKind::Label || kind == ControlKind::ListBox;
    case Property::Picture: return kind == ControlKind::Image;
    default: return false;
    }
}

// The window's frame in this model: a 4-pixel border and a 23-pixel title bar.
constexpr float FrameWidth = 2 * 4 * TwipsPerPixel;
constexpr float FrameHeight = (23 + 2 * 4) * TwipsPerPixel;

} // namespace

MemoryForm::MemoryForm(const FormDefinition& definition)
    : m_left(static_cast<float>(definition.openingLeft)),
      m_top(static_cast<float>(definition.openingTop)),
      m_width(static_cast<float>(definition.clientWidth) + FrameWidth),
      m_height(static_cast<float>(definition.clientHeight) + FrameHeight)
{
    for (const ControlDefinition& control : definition.controls) {
        State& s = m_states.at(static_cast<std::size_t>(control.control));
        s.definition = &control;
        s.caption = std::u16string(control.caption);
        s.visible = control.visible;
        s.foreColor = control.foreColor;
    }
    m_states[static_cast<std::size_t>(Control::Image4)].picture =
        std::make_shared<NamedPicture>("resting");
    m_states[static_cast<std::size_t>(Control::Image3)].picture =
        std::make_shared<NamedPicture>("hover");
}

void MemoryForm::check(Access access, Property property, Control control) const
{
    if (m_failure && *m_failure == std::tuple{access, property, control})
        throw RuntimeError::invalidPropertyValue();
}

MemoryForm::State& MemoryForm::state(Control control, Property property, Access access)
{
    return const_cast<State&>(std::as_const(*this).state(control, property, access));
}

const MemoryForm::State& MemoryForm::state(Control control, Property property, Access access) const
{
    check(access, property, control);
    const State& s = m_states.at(static_cast<std::size_t>(control));
    if (s.definition == nullptr || !supports(s.definition->kind, property))
        throw RuntimeError::notSupported();
    return s;
}

std::u16string MemoryForm::caption(Control control) const
{
    return state(control, Property::Caption, Access::Read).caption;
}

void MemoryForm::setCaption(Control control, std::u16string_view text)
{
    state(control, Property::Caption, Access::Write).caption = text;
    m_log.push_back(name(control) + ".Caption=" + utf8(text));
}

bool MemoryForm::visible(Control control) const
{
    return state(control, Property::Visible, Access::Read).visible;
}

void MemoryForm::setVisible(Control control, bool visible)
{
    state(control, Property::Visible, Access::Write).visible = visible;
    m_log.push_back(name(control) + ".Visible=" + (visible ? "True" : "False"));
}

std::u16string MemoryForm::text(Control control) const
{
    state(control, Property::Text, Access::Read);
    if (!m_selected)
        return {};
    return toUtf16(std::to_string(*m_selected + 1));
}

Colour MemoryForm::foreColor(Control control) const
{
    return state(control, Property::ForeColor, Access::Read).foreColor;
}

void MemoryForm::setForeColor(Control control, Colour colour)
{
    state(control, Property::ForeColor, Access::Write).foreColor = colour;
    m_log.push_back(name(control) + ".ForeColor=" + std::to_string(colour));
}

PictureRef MemoryForm::picture(Control control) const
{
    return state(control, Property::Picture, Access::Read).picture;
}

void MemoryForm::setPicture(Control control, PictureRef picture)
{
    State& s = state(control, Property::Picture, Access::Write);
    s.picture = std::move(picture);
    m_log.push_back(name(control) + ".Picture=" + pictureName(s.picture));
}

float MemoryForm::width() const
{
    check(Access::Read, Property::Size, Control::Form1);
    return m_width;
}

float MemoryForm::height() const
{
    check(Access::Read, Property::Size, Control::Form1);
    return m_height;
}

float MemoryForm::screenWidth() const
{
    check(Access::Read, Property::ScreenSize, Control::Form1);
    return m_screenWidth;
}

float MemoryForm::screenHeight() const
{
    check(Access::Read, Property::ScreenSize, Control::Form1);
    return m_screenHeight;
}

void MemoryForm::move(float left, std::optional<std::int32_t> top)
{
    check(Access::Write, Property::Move, Control::Form1);
    m_left = left;
    if (top)
        m_top = static_cast<float>(*top);
    m_log.push_back("move " + std::to_string(static_cast<long long>(m_left)) + " " +
                    std::to_string(static_cast<long long>(m_top)));
}

void MemoryForm::playCue(std::string_view fileName)
{
    m_cues.emplace_back(fileName);
    m_log.push_back("cue " + std::string(fileName));
}

int MemoryForm::msgBox(std::u16string_view prompt, int style)
{
    m_messages.push_back({std::u16string(prompt), style});
    m_log.emplace_back("msgbox");
    return 1; // OK
}

void MemoryForm::setScreenSize(float width, float height)
{
    m_screenWidth = width;
    m_screenHeight = height;
}

void MemoryForm::setWindowSize(float width, float height)
{
    m_width = width;
    m_height = height;
}

void MemoryForm::selectListItem(std::optional<int> index) { m_selected = index; }

void MemoryForm::failOn(Access access, Property property, Control control)
{
    m_failure = std::tuple{access, property, control};
}

std::string MemoryForm::pictureName(const PictureRef& picture)
{
    const auto* named = dynamic_cast<const NamedPicture*>(picture.get());
    return named ? named->name() : (picture ? "unnamed" : "none");
}

} // namespace zarvona

#include "ui/form_definition.h"

#include "ui/riddle_count.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zarvona {

namespace {

// The questions at about the spacing of the face standing in (1.76 em), so that the marks of
// two lines keep apart without the spacing growing; the answers closer (the face standing in
// takes 2.1 em), so that two lines fit beside the controls at the designed size.
constexpr FontSpec QuestionFont{"Simplified Arabic", 14.25, 700, 1.8};
constexpr FontSpec AnswerFont{"Tahoma", 12, 400, 1.5};
constexpr FontSpec CounterFont{"Tahoma", 27.75, 400, 1.25};
constexpr FontSpec SymbolFont{"Wingdings", 20.25, 400};
constexpr FontSpec DialogFont{"MS Sans Serif", 8, 400};

constexpr Colour White = 0xFFFFFF;
constexpr Colour RuleGrey = 0xE0E0E0;
constexpr Colour HatchColour = 0xEFEEE4;
constexpr Colour TextBlue = 0x9F5914;
constexpr Colour OvalBlue = 0xECD3B3;

constexpr ControlDefinition glyphLabel(Control control, TwipsRect rect, std::u16string_view text,
                                       Glyph glyph)
{
    return {.control = control,
            .kind = ControlKind::Label,
            .rect = rect,
            .caption = text,
            .font = SymbolFont,
            .foreColor = IdleForeColor,
            .glyph = glyph};
}

constexpr ControlDefinition textLabel(Control control, TwipsRect rect, std::u16string_view text,
                                      FontSpec font, bool rightToLeft, bool visible)
{
    return {.control = control,
            .kind = ControlKind::Label,
            .rect = rect,
            .caption = text,
            .font = font,
            .foreColor = TextBlue,
            .centred = true,
            .rightToLeft = rightToLeft,
            .visible = visible};
}

constexpr ControlDefinition image(Control control, TwipsRect rect, bool visible,
                                  std::string_view picture = {})
{
    return {.control = control,
            .kind = ControlKind::Image,
            .rect = rect,
            .visible = visible,
            .picture = picture};
}

constexpr ControlDefinition rule(Control control, TwipsRect ends)
{
    return {.control = control,
            .kind = ControlKind::Line,
            .rect = ends,
            .foreColor = RuleGrey,
            .lineWidthPixels = 3};
}

// A text as a reader lists it, in its place among the window's children.
constexpr ControlDefinition spoken(ControlDefinition definition, std::u16string_view name,
                                   int readerPosition)
{
    definition.spokenName = name;
    definition.role = ReaderRole::Text;
    definition.readerPosition = readerPosition;
    return definition;
}

// A button: its name and keys as a reader and its tooltip tell them, its place among the
// window's children and in the Tab order, and what a reader hears after it is clicked.
constexpr ControlDefinition button(ControlDefinition definition, std::u16string_view name,
                                   std::u16string_view keys, int readerPosition, int tabPosition,
                                   Heard heard = Heard::Nothing)
{
    definition.spokenName = name;
    definition.keys = keys;
    definition.role = ReaderRole::Button;
    definition.readerPosition = readerPosition;
    definition.tabPosition = tabPosition;
    definition.heard = heard;
    return definition;
}

// The list opener: pressed without the pointer, it opens the list and hands it the keyboard.
constexpr ControlDefinition opensList(ControlDefinition definition)
{
    definition.opensList = true;
    return definition;
}

// A button whose press opens a modal box.
constexpr ControlDefinition opensBox(ControlDefinition definition)
{
    definition.opensBox = true;
    return definition;
}

// Front to back. The Back glyph's text is its symbol and a space.
// clang-format off
constexpr std::array<ControlDefinition, 15> Controls = {{
    {.control = Control::List1, .kind = ControlKind::ListBox, .rect = {5835, 2145, 615, 1005},
     .font = DialogFont, .foreColor = TextBlue, .backColor = White, .rightToLeft = true,
     .visible = false, .listItemCount = RiddleCount, .listVisibleRows = 5,
     .spokenName = u"أرقام الألغاز", .role = ReaderRole::List, .readerPosition = 6,
     .tabPosition = 3, .heard = Heard::Riddle},
    rule(Control::Line2, {30, 2460, 7125 - 30, 0}),
    rule(Control::Line1, {0, 0, 6000, 0}),
    spoken(textLabel(Control::Label1, {480, 570, 6255, 1875}, u"", QuestionFont, true, true),
           u"السؤال", 1),
    {.control = Control::Shape2, .kind = ControlKind::Shape, .rect = {-15, 15, 7155, 2430},
     .foreColor = HatchColour, .shape = ShapeKind::Rectangle, .fill = FillStyle::DiagonalCross},
    opensBox(button(glyphLabel(Control::About, {6615, 2835, 360, 405}, u"\u00A5", Glyph::Target),
                    u"عن البرنامج", u"F1", 4, 1)),
    image(Control::Image4, {150, 75, 1170, 1065}, false, "answer_rest.bmp"),
    image(Control::Image3, {75, 1005, 1170, 1065}, false, "answer_hover.bmp"),
    button(image(Control::Image2, {255, 3315, 1170, 1065}, true), u"إظهار الجواب",
           u"مفتاح المسافة أو Enter", 9, 6, Heard::Answer),
    opensList(button(
        glyphLabel(Control::Label4, {6000, 3105, 360, 390}, u"\u00DD", Glyph::ArrowUp),
        u"قائمة أرقام الألغاز", u"اكتب رقم اللغز", 5, 2)),
    button(glyphLabel(Control::Next1, {5340, 4065, 360, 390}, u"\u00DB", Glyph::ArrowLeft),
           u"اللغز التالي", u"← أو Page Down", 8, 5, Heard::Riddle),
    button(glyphLabel(Control::Back, {5565, 3525, 405, 405}, u"\u00DC ", Glyph::ArrowRight),
           u"اللغز السابق", u"→ أو Page Up", 7, 4, Heard::Riddle),
    spoken(textLabel(Control::Label2, {225, 2550, 5895, 1395}, u"", AnswerFont, true, false),
           u"الجواب", 2),
    spoken(textLabel(Control::Label5, {5880, 3720, 1335, 735}, u"1", CounterFont, false, true),
           u"رقم اللغز", 3),
    {.control = Control::Shape1, .kind = ControlKind::Shape, .rect = {5760, 3240, 2895, 2775},
     .foreColor = OvalBlue, .shape = ShapeKind::Oval, .fill = FillStyle::Solid},
}};
// clang-format on
static_assert(Controls[0].control == Control::List1 && Controls[0].listItemCount == RiddleCount,
              "the number list offers every riddle of the book, and no other number");

constexpr FormDefinition Form1{
    .caption = u"Zarvona",
    .clientWidth = 7125,
    .clientHeight = 4575,
    .backColor = White,
    .openingLeft = 1215,
    .openingTop = 1230,
    .controls = Controls,
    .riddleHeard = {Control::Label5, Control::Label1},
    .answerHeard = Control::Label2,
};

} // namespace

// The table lists the controls in the order of the Control enumeration, which is their stacking
// order: each control's definition is found by its number.
constexpr bool inEnumerationOrder()
{
    for (std::size_t i = 0; i < Controls.size(); ++i)
        if (Controls[i].control != static_cast<Control>(i + 1))
            return false;
    return Controls.size() == ControlCount - 1;
}
static_assert(inEnumerationOrder(),
              "every control but the window, once each, in the order of Control");

const ControlDefinition& FormDefinition::operator[](Control control) const
{
    const auto index = static_cast<std::size_t>(control);
    if (index == 0 || index > controls.size()) {
        // The window has no row of its own: asking for it is a fault of the program's, never a
        // wrong answer.
        std::fputs("zarvona: the window definition was asked for Form1's control row\n", stderr);
        std::abort();
    }
    return controls[index - 1];
}

std::vector<Control> FormDefinition::inOrder(int ControlDefinition::*position) const
{
    std::vector<const ControlDefinition*> placed;
    for (const ControlDefinition& definition : controls)
        if (definition.*position > 0)
            placed.push_back(&definition);
    std::sort(placed.begin(), placed.end(),
              [position](const auto* a, const auto* b) { return a->*position < b->*position; });
    std::vector<Control> order;
    for (const ControlDefinition* definition : placed)
        order.push_back(definition->control);
    return order;
}

const FormDefinition& form1Definition() { return Form1; }

bool takesPointer(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::ListBox;
}

} // namespace zarvona

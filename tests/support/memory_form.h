// The in-memory control model: Form1 as plain property values, started from the window
// definition, with the two reveal-button pictures as named picture objects. Tests drive the
// program's handlers against it and inspect what they did: the property writes in order, the
// cues played, the window moves and the message boxes shown. It can also be told to fail a
// chosen operation, as a real control might.
#pragma once

#include "ui/form.h"
#include "ui/form_definition.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zarvona {

// A picture object known by its name ("resting", "hover"), standing in for image data.
class NamedPicture final : public Picture {
  public:
    explicit NamedPicture(std::string name) : m_name(std::move(name)) {}
    const std::string& name() const { return m_name; }

  private:
    std::string m_name;
};

enum class Property { Caption, Visible, Text, ForeColor, Picture, Size, Move, ScreenSize };
enum class Access { Read, Write };

class MemoryForm final : public Form {
  public:
    explicit MemoryForm(const FormDefinition& definition = form1Definition());

    std::u16string caption(Control control) const override;
    void setCaption(Control control, std::u16string_view text) override;
    bool visible(Control control) const override;
    void setVisible(Control control, bool visible) override;
    std::u16string text(Control control) const override;
    Colour foreColor(Control control) const override;
    void setForeColor(Control control, Colour colour) override;
    PictureRef picture(Control control) const override;
    void setPicture(Control control, PictureRef picture) override;
    float width() const override;
    float height() const override;
    float screenWidth() const override;
    float screenHeight() const override;
    void move(float left, std::optional<std::int32_t> top) override;
    void playCue(std::string_view fileName) override;
    int msgBox(std::u16string_view prompt, int style) override;

    // What a test sets up.
    void setScreenSize(float width, float height);
    void setWindowSize(float width, float height);
    void selectListItem(std::optional<int> index); // index 0 is the item "1"
    void failOn(Access access, Property property, Control control = Control::Form1);

    // What a test inspects.
    std::optional<int> selectedListItem() const { return m_selected; }
    const std::vector<std::string>& cues() const { return m_cues; }
    struct Message {
        std::u16string prompt;
        int style;
    };
    const std::vector<Message>& messages() const { return m_messages; }
    // Every write, cue, move and message box in order: "Label5.Caption=42",
    // "Label2.Visible=False", "cue click.wav", "Image2.Picture=hover", "move 412 347", "msgbox".
    const std::vector<std::string>& log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    // Forgets the cues and the message boxes as well, so that a long session stays flat.
    void clearRecords()
    {
        m_log.clear();
        m_cues.clear();
        m_messages.clear();
    }
    static std::string pictureName(const PictureRef& picture);

  private:
    struct State {
        const ControlDefinition* definition = nullptr;
        std::u16string caption;
        bool visible = true;
        Colour foreColor = 0;
        PictureRef picture;
    };
    State& state(Control control, Property property, Access access);
    const State& state(Control control, Property property, Access access) const;
    void check(Access access, Property property, Control control) const;

    std::array<State, ControlCount> m_states;
    std::optional<int> m_selected;
    float m_left, m_top, m_width, m_height;
    float m_screenWidth = 1920 * TwipsPerPixel;
    float m_screenHeight = 1080 * TwipsPerPixel;
    std::vector<std::string> m_cues;
    std::vector<Message> m_messages;
    std::vector<std::string> m_log;
    std::optional<std::tuple<Access, Property, Control>> m_failure;
};

} // namespace zarvona

// The real window: Form1 as a Qt widget with one child widget per control, stacked in the
// definition's order, so that Qt's own routing sends each pointer event to the control the
// program expects (hidden widgets, shapes and lines take none; the window's own handler gets
// what no control takes). It implements the control model and raises events by control and
// kind; which handler runs is left to the event wiring.
#pragma once

#include "ui/form.h"
#include "ui/form_definition.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace zarvona {

class CuePlayer;
class NumberList;
class TextLabel;
class GlyphLabel;
class PictureBox;

// A picture object of the real window.
class QtPicture final : public Picture {
  public:
    explicit QtPicture(QPixmap pixmap) : m_pixmap(std::move(pixmap)) {}
    const QPixmap& pixmap() const { return m_pixmap; }

  private:
    QPixmap m_pixmap;
};

class QtForm final : public Form {
  public:
    using EventSink = std::function<void(Control, Event)>;
    // Shows a modal box over the window and returns the button that closed it.
    using MessagePresenter =
        std::function<int(QWidget* parent, const QString& title, const QString& text, int style)>;

    explicit QtForm(CuePlayer& cues, const FormDefinition& definition = form1Definition());
    ~QtForm() override;

    // The top-level window widget, owned by the form.
    QWidget* window() const { return m_window.get(); }

    void setEventSink(EventSink sink) { m_sink = std::move(sink); }
    void setMessagePresenter(MessagePresenter presenter) { m_presenter = std::move(presenter); }
    const MessagePresenter& messagePresenter() const { return m_presenter; }

    // Called by the control widgets for every event they take.
    void fire(Control control, Event event);

    // A button pressed without the pointer (a screen reader's press action): a click, except for
    // the list opener, which opens the list as pointing at it does and hands it the keyboard.
    void activate(Control control);

    // Makes, lays out and paints off screen what a first click would otherwise wait for: the
    // number list and the hidden answer in its face. Meant for when the window is idle.
    void prepareFirstUse();

    // The control's widget (the window itself for Form1); asking for the list makes it.
    QWidget* controlWidget(Control control) const;

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

  private:
    // Each control's widget, and the same widget by its kind (null where it is of another).
    struct Slot {
        QWidget* widget = nullptr;
        TextLabel* text = nullptr;
        GlyphLabel* glyph = nullptr;
        PictureBox* picture = nullptr;
        NumberList* list = nullptr;
    };

    void build();
    const Slot& slot(Control control) const;
    const Slot& makeList();
    PictureBox* pictureBox(Control control) const;

    const FormDefinition& m_definition;
    CuePlayer& m_cues;
    std::unique_ptr<QWidget> m_window;
    std::array<Slot, ControlCount> m_slots{};
    const ControlDefinition* m_listDefinition = nullptr;
    EventSink m_sink;
    MessagePresenter m_presenter;
};

QColor toQColor(Colour colour);
QRect toQRect(const PixelRect& rect);

} // namespace zarvona

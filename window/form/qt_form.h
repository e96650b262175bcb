// The real window: Form1 as a Qt widget with one child widget per control, stacked in the
// definition's order, so that Qt's own routing sends each pointer event to the control the
// program expects (hidden widgets, shapes and lines take none; the window's own handler gets
// what no control takes). It implements the control model and raises events by control and
// kind; which handler runs is left to the event wiring.
#pragma once

#include "ui/form.h"
#include "ui/form_definition.h"
#include "window/access/keyboard.h"
#include "window/controls/control_properties.h"
#include "window/form/window_scale.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zarvona {

class NumberList;

class QtForm final : public Form, public KeyedWindow {
  public:
    using EventSink = std::function<void(Control, Event)>;
    // Shows a modal box over the window and returns the button that closed it.
    using MessagePresenter =
        std::function<int(QWidget* parent, const QString& title, const QString& text, int style)>;

    // Starts a cue playing and returns at once; the sound itself is the program's business.
    using CueSink = std::function<void(std::string_view fileName)>;

    explicit QtForm(CueSink cues, const FormDefinition& definition = form1Definition());
    ~QtForm() override;

    // The top-level window widget, owned by the form.
    QWidget* window() const override { return m_window.get(); }

    void setEventSink(EventSink sink) { m_sink = std::move(sink); }
    void setMessagePresenter(MessagePresenter presenter) { m_presenter = std::move(presenter); }
    const MessagePresenter& messagePresenter() const { return m_presenter; }

    // Called by the control widgets for every event they take.
    void fire(Control control, Event event) override;

    // A button pressed without the pointer: a click, except for the list opener, which opens the
    // list as pointing at it does and hands it the keyboard.
    void activate(Control control) override;

    // Makes, lays out and paints off screen what a first click would otherwise wait for: the
    // number list and the hidden answer in its face; and gives the window's icon its other
    // sizes. Meant for when the window is idle after it first shows.
    void prepareFirstUse();

    // Work for when the window is idle: a moment after a click has been answered, or the pointer
    // has come onto a number in the open list; once however many of them came before it.
    void setIdleWork(std::function<void()> work) { m_idleWork = std::move(work); }
    // Lays out ahead of need the captions a text label may be given next (see TextLabel).
    void prepareCaptions(Control control, const std::vector<std::u16string>& captions);
    // The number under the pointer in the open list, 0 when the list is closed or none is.
    int pointedNumber() const;

    // The control's widget (the window itself for Form1); asking for the list makes it.
    QWidget* controlWidget(Control control) override;

    Keyboard& keyboard() const { return *m_keyboard; }

    // Large print: one step larger or smaller, or back to 100% (window_scale.h).
    void changeScale(ScaleChange change) override { m_scale->change(change); }
    const WindowScale& scale() const { return *m_scale; }

    // The window manager's frame, told before the first show (frame_extents.h): until Qt knows
    // the frame itself, the window's Width and Height count it in.
    void expectFrame(QMargins frame) { m_expectedFrame = frame; }

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
    // A control's widget, and the same object as the model sees it.
    struct Slot {
        QWidget* widget = nullptr;
        ControlProperties* properties = nullptr;
    };

    // The number list before it is made: hidden, nothing selected, in its defined colour.
    class ListBeforeMade final : public ControlProperties {
      public:
        explicit ListBeforeMade(Colour colour) : m_colour(colour) {}
        std::u16string text() const override { return {}; }
        Colour foreColor() const override { return m_colour; }

      private:
        Colour m_colour;
    };

    class IdleQueue;

    void build();
    // The window's outer size, frame and title included, as far as it is known.
    QSize outerSize() const;
    // The expected frame while Qt does not count it yet (before the first show), else none.
    QMargins frameNotCounted() const;
    // What reads see; the list answers from its definition until it is made. Raises error 438
    // for the window itself, which has none of these properties.
    const Slot& slot(Control control) const;
    // What writes change: the list is made first if it is not yet.
    const Slot& madeSlot(Control control);

    const FormDefinition& m_definition;
    CueSink m_cues;
    std::unique_ptr<QWidget> m_window;
    std::array<Slot, ControlCount> m_slots{};
    const ControlDefinition* m_listDefinition = nullptr;
    std::unique_ptr<ListBeforeMade> m_listBeforeMade;
    NumberList* m_list = nullptr;
    EventSink m_sink;
    MessagePresenter m_presenter;
    std::unique_ptr<Keyboard> m_keyboard;
    std::unique_ptr<WindowScale> m_scale;
    std::function<void()> m_idleWork;
    IdleQueue* m_idleQueue = nullptr; // owned by the window
    QMargins m_expectedFrame;
};

} // namespace zarvona

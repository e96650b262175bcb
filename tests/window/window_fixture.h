// A started window for tests: the real QtForm, wired to the program's handlers, loaded and
// shown, with sound recorded instead of played and message boxes recorded instead of shown.
// Pointer input goes in as real mouse events at window coordinates, through Qt's routing.
#pragma once

#include "tests/support/points.h"
#include "tests/support/recording_cue_player.h"
#include "ui/conversions.h"
#include "ui/number_entry.h"
#include "window/form/qt_form.h"
#include "window/graphics/qt_conversions.h"

#include <QApplication>
#include <QImage>
#include <QPoint>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace zarvona {

// The five buttons in the order Tab visits them: right to left, top to bottom.
inline constexpr std::array TabButtons = {Control::About, Control::Label4, Control::Back,
                                          Control::Next1, Control::Image2};

class WindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void moveTo(QPoint point);
    // A left click at the point, which must lie over the given control (the window itself for
    // none), so that a test never passes by clicking something other than it means to.
    void click(Control target, QPoint point);
    void click(Control target) { click(target, centreOf(target)); }
    // A real key press and release on the window, to whichever widget has the focus.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A key that types the given character (a digit of any script).
    void type(QChar character);
    QImage grab() const;
    Control controlUnder(QPoint point) const;

    // Where a control's rectangle lies, in window pixels, and its centre.
    static QRect rectOf(Control control);
    static QPoint centreOf(Control control) { return rectOf(control).center(); }

    std::u16string counter() const { return form->caption(Control::Label5); }
    bool hot(Control glyph) const { return form->foreColor(glyph) == HotForeColor; }
    bool showsHoverPicture() const
    {
        return form->picture(Control::Image2) == form->picture(Control::Image3);
    }

    // The keyboard's clock: typing reads it, tests move it on.
    NumberEntry::Clock::time_point now{};

    RecordingCuePlayer cues;
    std::unique_ptr<QtForm> form;
    struct Shown {
        QString title, text;
        int style;
    };
    std::vector<Shown> messages;
};

// What a differential session compares between the real window and the model after each step:
// the three labels' captions, what is shown, the glyphs' colours and the reveal's picture.
std::vector<std::string> stateOf(const Form& form);

// Points over the window that lie over one control only, or over none.
// The shared points (tests/support/points.h) as Qt's.
namespace at {
inline QPoint q(Point p) { return {p.x, p.y}; }
inline const QPoint bare = q(points::bare);
inline const QPoint listItem3 = q(points::listItem3);
inline const QPoint listOverOpener = q(points::listOverOpener);
inline const QPoint question = q(points::question);
inline const QPoint answer = q(points::answer);
inline const QPoint counter = q(points::counter);
inline const QPoint backOverCounter = q(points::backOverCounter);
inline const QPoint backOverAnswer = q(points::backOverAnswer);
inline const QPoint pictureOverAnswer = q(points::picture);
} // namespace at

} // namespace zarvona

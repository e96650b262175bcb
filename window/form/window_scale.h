// Large print: the whole window at 125% to 200% of its size, as one piece. Qt draws every widget
// of a screen at that screen's device pixel ratio, so the scale multiplies the ratio of the
// window's screen: every rectangle, font, picture, pop-up and box on it grows together, the
// sharper pictures are taken from 150% up, and the window's own coordinates (the pointer's
// routing, the definition's rectangles, what the program reads as its size) stay as they are.
// The desktop's own scaling (Xft.dpi, QT_SCALE_FACTOR) is the 100% the steps multiply.
// Nothing is kept: each window starts at 100%, and the screen returns to its ratio when the
// window goes.
#pragma once

#include "window/access/keyboard.h"

#include <QPointer>
#include <QRect>
#include <QScreen>

#include <array>

class QWidget;

namespace zarvona {

class WindowScale {
  public:
    static constexpr std::array StepsPercent = {100, 125, 150, 175, 200};

    explicit WindowScale(QWidget& window) : m_window(window) {}
    ~WindowScale();
    WindowScale(const WindowScale&) = delete;
    WindowScale& operator=(const WindowScale&) = delete;

    int percent() const { return StepsPercent[m_step]; }

    // Moves one step (or back to 100%), keeping the window's centre and the whole window on
    // the screen's available area. A step that would not fit is refused with a short bell;
    // returns whether the size changed.
    bool change(ScaleChange change);

  private:
    // Draws the window at the given step; the window's centre stays at the given screen point,
    // in device pixels, as far as the available area allows.
    void apply(std::size_t step, QPointF deviceCentre);
    // The window's outer size, in device pixels, at a step.
    QSize deviceSizeAt(std::size_t step) const;
    qreal factorAt(std::size_t step) const { return m_baseFactor * StepsPercent[step] / 100.0; }

    QWidget& m_window;
    QPointer<QScreen> m_screen; // the screen whose ratio is changed, once it is
    qreal m_baseFactor = 1;     // that screen's own scale, before any step
    std::size_t m_step = 0;
    QPointF m_centre; // the centre the steps keep, in device pixels
    QRectF m_placed;  // where the last step put the window's frame
};

} // namespace zarvona

// The keyboard focus ring: a ring in the book's colours (dark blue on a white halo, so it shows
// on the white window, the band and the oval alike) drawn around whichever button of the window
// has the keyboard focus: a circle round a glyph, a rounded frame round the picture. It lies
// above the controls, takes no pointer events and follows the focus by itself. The buttons take
// the focus from the keyboard only, so someone using the pointer alone never sees it.
#pragma once

#include <QPointer>
#include <QWidget>

namespace zarvona {

class FocusRing final : public QWidget {
  public:
    explicit FocusRing(QWidget* window);

    // The button the ring is drawn round, or null while none of them has the focus.
    QWidget* target() const { return m_target; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void follow(QWidget* target);

    QPointer<QWidget> m_target;
    QRectF m_ring; // in the ring widget's coordinates
    bool m_round = false;
};

} // namespace zarvona

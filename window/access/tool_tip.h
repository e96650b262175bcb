// The buttons' tooltips. Qt's own tooltip is a window of its own that takes the pointer, so a
// click or a movement over it never reaches the control it covers, and the control beneath
// misses what the pointer does there. These tips look the same and say what each widget's
// toolTip() says, but their window is transparent for input: every pointer event goes where it
// would go with no tip at all. A tip shows when Qt asks for one (the pointer has rested on the
// widget), and closes when the pointer leaves the widget, at any press, key or wheel turn, when
// the window is left, and on its own after a while.
#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace zarvona {

class ToolTips final : public QObject {
  public:
    // Shows the tips of every widget in the window.
    explicit ToolTips(QWidget& window);
    ~ToolTips() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void show(QWidget& widget, QPoint globalPosition);
    void hide();

    QWidget& m_window;
    std::unique_ptr<QLabel> m_tip; // a window of its own, made when first shown
    QPointer<QWidget> m_widget;
    QTimer m_expiry;
};

} // namespace zarvona

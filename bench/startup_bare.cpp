// The yardstick: a bare Qt window of the riddle book's size that paints one line of text.
#include "shown_probe.h"

#include <QApplication>
#include <QPainter>

namespace {

class BareWindow final : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Zarvona"));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    BareWindow window;
    window.setFixedSize(475, 305);
    window.setWindowTitle(QStringLiteral("Zarvona"));
    window.show();
    bench::reportWhenShown(&window);
    return QApplication::exec();
}

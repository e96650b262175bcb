// The yardstick: a bare Qt window of the riddle book's size that paints one line of text. Given
// "--stay" it does not end once shown, to be watched while idle.
#include "shown_probe.h"

#include <QApplication>
#include <QPainter>

#include <cstring>

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
    if (argc < 2 || std::strcmp(argv[1], "--stay") != 0)
        bench::reportWhenShown(&window);
    return QApplication::exec();
}

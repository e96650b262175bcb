// The window keeps its own colours whatever the desktop's theme: a dark theme changes nothing.
#include "window_fixture.h"

#include "window/controls/number_list.h"

#include <QScrollBar>

namespace zarvona {
namespace {

QPalette darkTheme()
{
    QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
    dark.setColor(QPalette::Base, QColor(25, 25, 25));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(255, 128, 0));
    dark.setColor(QPalette::HighlightedText, QColor(0, 0, 0));
    return dark;
}

class ThemeTest : public WindowTest {
  protected:
    void TearDown() override
    {
        QApplication::setPalette(QPalette());
        WindowTest::TearDown();
    }
};

TEST_F(ThemeTest, TheNumberListLooksTheSameUnderADarkTheme)
{
    auto* list = dynamic_cast<NumberList*>(form->controlWidget(Control::List1));
    ASSERT_NE(list, nullptr);
    form->setVisible(Control::List1, true);
    list->item(2)->setSelected(true); // the selection's colours too
    QApplication::processEvents();
    const QImage light = list->grab().toImage();

    QApplication::setPalette(darkTheme());
    QApplication::processEvents();
    const QImage dark = list->grab().toImage();
    ASSERT_EQ(light.size(), dark.size());
    int differing = 0;
    for (int y = 0; y < light.height(); ++y)
        for (int x = 0; x < light.width(); ++x)
            differing += light.pixel(x, y) != dark.pixel(x, y);
    EXPECT_EQ(differing, 0);

    // And what it shows is the definition's: the white background left of a row's number, and
    // the text colour behind the selected row.
    const QPoint viewport = list->viewport()->pos();
    const QRect first = list->visualItemRect(list->item(0)).translated(viewport);
    const QRect selected = list->visualItemRect(list->item(2)).translated(viewport);
    EXPECT_EQ(dark.pixelColor(first.left() + 2, first.center().y()), QColor(Qt::white));
    EXPECT_EQ(dark.pixelColor(selected.left() + 2, selected.center().y()), toQColor(HotForeColor));
    EXPECT_EQ(list->verticalScrollBar()->palette().color(QPalette::Button),
              toQColor(IdleForeColor));
}

} // namespace
} // namespace zarvona

// The window keeps its own look whatever the desktop: a dark theme changes nothing, a style that
// lights rows under the pointer (Windows's) lights none in the list, and the faces that travel
// with the program are registered from their folder.
#include "window_fixture.h"

#include "window/controls/number_list.h"
#include "window/graphics/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTemporaryDir>

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

// Paints the row under the pointer magenta, as a style that lights hovered rows would.
class LightingStyle final : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_PanelItemViewItem && (option->state & State_MouseOver))
            painter->fillRect(option->rect, Qt::magenta);
        else
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

TEST_F(ThemeTest, NoRowOfTheOpenListLightsUnderThePointerWhateverTheStyle)
{
    auto* list = dynamic_cast<NumberList*>(form->controlWidget(Control::List1));
    ASSERT_NE(list, nullptr);
    LightingStyle style;
    list->setStyle(&style);
    list->viewport()->setAttribute(Qt::WA_Hover);
    form->setVisible(Control::List1, true);
    const QPoint row = list->visualItemRect(list->item(1)).center();
    QHoverEvent hover(QEvent::HoverMove, row, list->viewport()->mapToGlobal(row), QPointF(-1, -1));
    QApplication::sendEvent(list->viewport(), &hover);
    const QImage shown = list->grab().toImage();
    int magenta = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            magenta += shown.pixelColor(x, y) == QColor(Qt::magenta);
    list->setStyle(nullptr);
    EXPECT_EQ(magenta, 0);
}

TEST(BundledFaces, EveryFaceInTheFolderIsRegisteredAndNothingElse)
{
    const QString face = QStringLiteral("/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf");
    if (!QFile::exists(face))
        GTEST_SKIP() << "no " << face.toStdString();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QFile::copy(face, folder.filePath(QStringLiteral("face.ttf"))));
    QFile notAFace(folder.filePath(QStringLiteral("broken.ttf")));
    ASSERT_TRUE(notAFace.open(QIODevice::WriteOnly));
    notAFace.write("not a font");
    notAFace.close();
    QFile::copy(face, folder.filePath(QStringLiteral("face.txt")));
    EXPECT_EQ(registerFacesIn(folder.path()), 1);
    EXPECT_EQ(registerFacesIn(folder.filePath(QStringLiteral("missing"))), 0);
}

} // namespace
} // namespace zarvona

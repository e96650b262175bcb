#include "window_fixture.h"

#include "riddles/riddle_catalogue.h"
#include "tests/support/hit_test.h"
#include "window/controls/number_list.h"
#include "window/controls/text_label.h"
#include "window/graphics/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QScrollBar>

#include <set>

namespace zarvona {
namespace {

using LayoutTest = WindowTest;

TEST_F(LayoutTest, EveryControlHasItsRectangleAndItsPlaceInTheStack)
{
    QWidget* window = form->window();
    EXPECT_EQ(window->size(), QSize(475, 305));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zarvona"));
    EXPECT_FALSE(window->windowIcon().isNull());

    // The list is made on first use, and then above everything, where it belongs.
    ASSERT_NE(form->controlWidget(Control::List1), nullptr);
    // Qt stacks later children above earlier ones: the table's order, reversed.
    const QObjectList children = window->children();
    std::vector<Control> stack;
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        for (int c = 1; c < ControlCount; ++c)
            if (form->controlWidget(static_cast<Control>(c)) == *it)
                stack.push_back(static_cast<Control>(c));
    std::vector<Control> table;
    for (const ControlDefinition& d : form1Definition().controls) {
        table.push_back(d.control);
        if (d.kind != ControlKind::Line && d.kind != ControlKind::Shape) {
            EXPECT_EQ(form->controlWidget(d.control)->geometry(), rectOf(d.control))
                << controlName(d.control);
        }
    }
    EXPECT_EQ(stack, table);
}

// Qt's own routing, through the widget stack, against the rule the definition gives, at every
// fourth pixel of the window, with the answer and the list hidden and shown.
TEST_F(LayoutTest, EveryPointReachesTheControlTheStackingOrderGivesIt)
{
    for (const bool answer : {false, true}) {
        for (const bool list : {false, true}) {
            form->setVisible(Control::Label2, answer);
            form->setVisible(Control::List1, list);
            int mismatches = 0;
            for (int y = 0; y < 305; y += 4) {
                for (int x = 0; x < 475; x += 4) {
                    const Control expected = controlAt(form1Definition(), x, y,
                                                       [&](Control c) { return form->visible(c); });
                    if (controlUnder({x, y}) != expected && ++mismatches < 5)
                        ADD_FAILURE() << x << "," << y << ": " << controlName(controlUnder({x, y}))
                                      << " instead of " << controlName(expected);
                }
            }
            EXPECT_EQ(mismatches, 0) << "answer " << answer << ", list " << list;
        }
    }
    form->setVisible(Control::Label2, true);
    EXPECT_EQ(controlUnder(at::backOverCounter), Control::Back);
    EXPECT_EQ(controlUnder(at::backOverAnswer), Control::Back);
    EXPECT_EQ(controlUnder(at::pictureOverAnswer), Control::Image2);
    EXPECT_EQ(controlUnder({10, 20}), Control::Form1);   // the band
    EXPECT_EQ(controlUnder({470, 300}), Control::Form1); // the oval
}

TEST_F(LayoutTest, StartsOnRiddleOneWithEverythingAtRest)
{
    EXPECT_EQ(counter(), u"1");
    EXPECT_EQ(form->caption(Control::Label1), RiddleCatalogue[0].question);
    EXPECT_EQ(form->caption(Control::Label2), RiddleCatalogue[0].answer);
    EXPECT_FALSE(form->visible(Control::Label2));
    EXPECT_FALSE(form->visible(Control::List1));
    EXPECT_FALSE(form->visible(Control::Image3));
    EXPECT_FALSE(form->visible(Control::Image4));
    for (Control glyph : {Control::Next1, Control::Back, Control::About, Control::Label4})
        EXPECT_EQ(form->foreColor(glyph), IdleForeColor) << controlName(glyph);
    EXPECT_EQ(form->caption(Control::Back), u"\u00DC ");
    EXPECT_NE(form->picture(Control::Image4), nullptr);
    EXPECT_EQ(form->picture(Control::Image2), form->picture(Control::Image4));
    EXPECT_TRUE(cues.played().empty());
}

int countColour(const QImage& image, QRect area, QColor colour, int tolerance = 0)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) <= tolerance &&
                 std::abs(c.green() - colour.green()) <= tolerance &&
                 std::abs(c.blue() - colour.blue()) <= tolerance;
        }
    return n;
}

TEST_F(LayoutTest, PaintsTheBandTheOvalTheGlyphsAndThePicture)
{
    const FormDefinition& definition = form1Definition();
    const auto colourOf = [&](Control control) { return toQColor(definition[control].foreColor); };
    const QImage image = grab();
    // The oval shows at the window's right edge, just below the list opener; the bare window shows
    // below the answer, between the reveal button and the oval.
    EXPECT_EQ(image.pixelColor(image.width() - 5, rectOf(Control::Label4).bottom() + 8),
              colourOf(Control::Shape1));
    const QRect answer = rectOf(Control::Label2);
    EXPECT_EQ(image.pixelColor(answer.center().x(), answer.bottom() + 10),
              toQColor(definition.backColor));
    // The band's hatch, in the margin left of the question.
    const QRect question = rectOf(Control::Label1);
    const QRect margin(2, question.top(), question.left() - 4, 40);
    EXPECT_GT(countColour(image, margin, colourOf(Control::Shape2)), 100);
    EXPECT_GT(countColour(image, margin, toQColor(definition.backColor)), 100);
    // The rule under the band, three pixels thick about its line.
    const int ruleY = twipsToPixels(definition[Control::Line2].rect.top);
    for (int y : {ruleY - 1, ruleY, ruleY + 1})
        EXPECT_EQ(image.pixelColor(question.center().x(), y), colourOf(Control::Line2)) << y;
    // Glyphs at rest in the idle colour; the question in its own text colour.
    for (Control glyph : {Control::Next1, Control::Back, Control::About, Control::Label4})
        EXPECT_GT(countColour(image, rectOf(glyph), toQColor(IdleForeColor)), 60)
            << controlName(glyph);
    EXPECT_GT(countColour(image, question, colourOf(Control::Label1), 40), 300);
    // The reveal button shows its picture: white background, a blue word.
    const QRect button = rectOf(Control::Image2);
    EXPECT_GT(countColour(image, button, QColor(0, 0, 170), 30), 100);
    EXPECT_LT(countColour(image, button, Qt::white), button.width() * button.height() * 3 / 4);
}

// The rows of a label's rectangle that hold ink, grouped into bands of consecutive rows.
int inkBands(const QImage& image, QRect area)
{
    int bands = 0;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x)
            ink = image.pixelColor(x, y).blue() < 200 && image.pixelColor(x, y).red() < 150;
        bands += ink && !inBand;
        inBand = ink;
    }
    return bands;
}

TEST_F(LayoutTest, CarriageReturnsAndLineFeedsBothBreakLinesOnScreen)
{
    const QRect question = rectOf(Control::Label1);
    const struct {
        std::u16string_view text;
        int lines;
    } cases[] = {
        {u"قال الشاعر", 1},    {u"قال\rالشاعر", 2},       {u"قال\nالشاعر", 2},
        {u"قال\r\nالشاعر", 2}, {u"قال\rالشاعر\rقولا", 3},
    };
    for (const auto& c : cases) {
        form->setCaption(Control::Label1, c.text);
        EXPECT_EQ(form->caption(Control::Label1), c.text); // kept exactly as written
        EXPECT_EQ(inkBands(grab(), question), c.lines)
            << std::string(QString::fromStdU16String(std::u16string(c.text)).toUtf8());
    }
}

TEST_F(LayoutTest, TheLongestQuestionWrapsInsideItsRectangle)
{
    form->setCaption(Control::Label1, RiddleCatalogue[96].question);
    const QImage image = grab();
    const QRect question = rectOf(Control::Label1);
    auto* label = dynamic_cast<TextLabel*>(form->controlWidget(Control::Label1));
    ASSERT_NE(label, nullptr);
    EXPECT_GE(label->textLayout().lineCount(), 4);
    // Nothing spills past either side of the label into the band's margins.
    const QColor ink = toQColor(form1Definition()[Control::Label1].foreColor);
    const QRect left(0, question.top(), question.left(), question.height());
    const QRect right(question.right() + 1, question.top(), image.width() - question.right() - 1,
                      question.height());
    EXPECT_EQ(countColour(image, left, ink, 60), 0);
    EXPECT_EQ(countColour(image, right, ink, 60), 0);
    // And the lines are set one below the other, not over each other: the ink reaches down at
    // least four lines' advance from the top.
    int lowest = -1;
    for (int y = question.top(); y <= question.bottom(); ++y)
        if (countColour(image, QRect(question.left(), y, question.width(), 1), ink, 60) > 0)
            lowest = y;
    const FontSpec& face = form1Definition()[Control::Label1].font;
    EXPECT_GE(lowest - question.top(), 3 * pixelSizeOf(face.points) * face.lineHeight)
        << "the lowest ink lies " << lowest - question.top() << " px below the top";
}

TEST_F(LayoutTest, TheNumberListShowsFiveRowsRightToLeft)
{
    auto* list = dynamic_cast<NumberList*>(form->controlWidget(Control::List1));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), RiddleCount);
    for (int i = 0; i < RiddleCount; ++i)
        ASSERT_EQ(list->item(i)->text(), QString::number(i + 1));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(form->text(Control::List1), u"");
    form->setVisible(Control::List1, true);
    QApplication::processEvents();
    EXPECT_EQ(list->visualItemRect(list->item(0)).height(), 13);
    EXPECT_EQ(list->viewport()->height(), 5 * 13);
    EXPECT_EQ(list->indexAt(QPoint(list->viewport()->width() - 2, 1)).row(), 0);
    EXPECT_EQ(list->indexAt(QPoint(list->viewport()->width() - 2, 5 * 13 - 1)).row(), 4);
    EXPECT_LT(list->verticalScrollBar()->geometry().center().x(),
              list->viewport()->geometry().center().x()); // the scroll bar on the left
    EXPECT_EQ(list->layoutDirection(), Qt::RightToLeft);
}

TEST_F(LayoutTest, TheTextFacesArePinned)
{
    const struct {
        Control label;
        const char* family;
        bool bold;
    } cases[] = {{Control::Label1, "Amiri", true},
                 {Control::Label2, "Noto Sans Arabic", false},
                 {Control::Label5, "Noto Sans", false}};
    std::string missing; // faces not installed: the others are still checked
    for (const auto& c : cases) {
        if (!QFontDatabase::hasFamily(QString::fromLatin1(c.family))) {
            missing += std::string(c.family) + " ";
            continue;
        }
        const QFontInfo info(form->controlWidget(c.label)->font());
        EXPECT_EQ(info.family(), QString::fromLatin1(c.family)) << controlName(c.label);
        EXPECT_EQ(info.bold(), c.bold) << controlName(c.label);
    }
    EXPECT_EQ(QFontInfo(form->controlWidget(Control::Label1)->font()).pixelSize(), 19);
    EXPECT_EQ(QFontInfo(form->controlWidget(Control::Label5)->font()).pixelSize(), 37);
    if (!missing.empty())
        GTEST_SKIP() << missing << "not installed (the set-up installs them)";
}

} // namespace
} // namespace zarvona

namespace zarvona {
namespace {

// Every character the book uses has a glyph in the faces its labels ask for, so no machine's
// fallback decides what the riddles look like, and nothing shows as a box.
TEST_F(LayoutTest, ThePinnedFacesHoldEveryCharacterTheyShow)
{
    const struct {
        Control label;
        bool question;
    } cases[] = {{Control::Label1, true}, {Control::Label2, false}};
    QStringList missing; // faces not installed: the others are still checked
    for (const auto& c : cases) {
        const QFont font = form->controlWidget(c.label)->font();
        if (!QFontDatabase::hasFamily(font.families().front())) {
            missing << font.families().front();
            continue;
        }
        std::set<char16_t> characters;
        for (const RiddleEntry& e : RiddleCatalogue)
            for (char16_t ch : c.question ? e.question : e.answer)
                if (ch != u'\r' && ch != u'\n')
                    characters.insert(ch);
        for (char16_t ch : characters) {
            bool found = false;
            for (const QString& family : font.families()) {
                QFont face = font;
                face.setFamilies({family});
                found = found || QFontMetrics(face).inFont(QChar(ch));
            }
            EXPECT_TRUE(found) << controlName(c.label) << " has no glyph for U+" << std::hex
                               << int(ch);
        }
    }
    const QFontMetrics counter(form->controlWidget(Control::Label5)->font());
    for (char16_t ch : std::u16string_view(u"0123456789"))
        EXPECT_TRUE(counter.inFont(QChar(ch)));
    if (!missing.isEmpty())
        GTEST_SKIP() << qPrintable(missing.join(u", ")) << " not installed";
}

} // namespace
} // namespace zarvona

namespace zarvona {
namespace {

TEST(Fonts, AMissingPinnedFaceKeepsTheFallbacksSoArabicStillShows)
{
    const QFont missing = pinnedFont({QStringLiteral("No Such Face Anywhere")}, 19, 700);
    EXPECT_FALSE(missing.styleStrategy() & QFont::NoFontMerging);
    EXPECT_TRUE(QFontMetrics(missing).inFont(QChar(u'\u0644')) ||
                QFontDatabase::families(QFontDatabase::Arabic).isEmpty());
    if (QFontDatabase::hasFamily(QStringLiteral("Amiri"))) {
        const QFont present = pinnedFont({QStringLiteral("Amiri")}, 19, 700);
        EXPECT_TRUE(present.styleStrategy() & QFont::NoFontMerging);
    }
}

} // namespace
} // namespace zarvona

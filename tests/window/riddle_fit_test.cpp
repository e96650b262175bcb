// Every riddle of the book can be read whole, and is set like a printed book, in the faces the
// window really uses: each line of each question and answer, drawn on its own without the
// label's clipping, puts all its ink inside the label's rectangle, clear of the bottom edge, of
// every control stacked in front of the label and of the ink of the lines above and below it;
// every line is centred on the same axis and set at one spacing; no paragraph ends in a lone word
// that the line above could have kept company; no line ends where a reader would not pause; and
// the phrases that belong together stay on one line.
#include "window_fixture.h"

#include "riddles/riddle_catalogue.h"
#include "ui/form_definition.h"
#include "window/controls/line_break_rules.h"
#include "window/controls/line_breaks.h"
#include "window/controls/text_label.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextLayout>

#include <map>
#include <sstream>

namespace zarvona {
namespace {

// What the setting keeps free (text_label.h): BottomMargin, CoverClearance and LineGap.
constexpr int Clearance = CoverClearance;

// Where one line leaves ink, in the label's coordinates: the line drawn alone onto a transparent
// canvas larger than the label on every side, so that nothing the label would clip is lost. The
// box of all of it, and for each inked column its top and bottom row.
struct LineInk {
    QRect box;
    std::map<int, std::pair<int, int>> columns;
};

LineInk inkOf(const QTextLine& line, const QFont& font, QSize label)
{
    const int pad = 2 * font.pixelSize();
    const int bottom = static_cast<int>(line.y() + line.height()) + pad;
    QImage canvas(label.width() + 2 * pad, std::max(label.height(), bottom) + 2 * pad,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setPen(Qt::black);
        line.draw(&painter, QPointF(pad, pad));
    }
    LineInk ink;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(row[x]) != 0) {
                ink.box |= QRect(x - pad, y - pad, 1, 1);
                auto [column, fresh] = ink.columns.try_emplace(x - pad, y - pad, y - pad);
                column->second.second = y - pad;
            }
    }
    return ink;
}

std::string describe(const QRect& r)
{
    std::ostringstream out;
    out << r.left() << "," << r.top() << " to " << r.right() << "," << r.bottom();
    return out.str();
}

TEST_F(WindowTest, EveryRiddleIsSetWholeClearAndEvenInItsArea)
{
    const struct {
        Control label;
        std::u16string_view RiddleEntry::*text;
        std::vector<Control> inFront; // the controls stacked above the label that overlap it
    } labels[] = {
        {Control::Label1, &RiddleEntry::question, {}},
        {Control::Label2, &RiddleEntry::answer, {Control::Image2, Control::Back, Control::Label4}},
    };
    const QString kept[] = {QStringLiteral(u"صلى الله عليه وسلم"),
                            QStringLiteral(u"رضي الله عنهما"), QStringLiteral(u"فمن هو؟"),
                            QStringLiteral(u"رسول الله"), QStringLiteral(u"عبد الله")};
    std::vector<std::string> faults;
    QStringList missing; // faces not installed: their labels are left out, the others checked
    for (const auto& l : labels) {
        auto* label = dynamic_cast<TextLabel*>(form->controlWidget(l.label));
        ASSERT_NE(label, nullptr);
        if (!QFontDatabase::hasFamily(label->font().families().front())) {
            missing << label->font().families().front();
            continue;
        }
        const QRect area = rectOf(l.label);
        for (const Control c : l.inFront)
            ASSERT_TRUE(rectOf(c).intersects(area)) << controlName(c);
        for (const RiddleEntry& entry : RiddleCatalogue) {
            form->setCaption(l.label, entry.*l.text);
            const QTextLayout& layout = label->textLayout();
            const QString shown = label->displayText();
            const auto fault = [&](int line, const std::string& what) {
                faults.push_back(std::string(controlName(l.label)) + " of riddle " +
                                 std::to_string(entry.number) + ", line " +
                                 std::to_string(line + 1) + ": " + what);
            };
            const auto lineOf = [&](qsizetype at) {
                for (int i = 0; i < layout.lineCount(); ++i)
                    if (at < layout.lineAt(i).textStart() + layout.lineAt(i).textLength())
                        return i;
                return layout.lineCount();
            };
            LineInk above;
            qreal axis = 0;
            qreal spacing = -1;
            const qreal designed =
                std::round(form1Definition()[l.label].font.lineHeight * layout.font().pixelSize());
            for (int i = 0; i < layout.lineCount(); ++i) {
                const QTextLine line = layout.lineAt(i);
                // One spacing through the text.
                if (i > 0) {
                    const QTextLine before = layout.lineAt(i - 1);
                    const qreal step = line.y() + line.ascent() - before.y() - before.ascent();
                    if (spacing < 0)
                        spacing = step;
                    else if (std::abs(step - spacing) > 1)
                        fault(i, "spaced " + std::to_string(step) +
                                     " pixels from the line above, "
                                     "the lines before it " +
                                     std::to_string(spacing));
                    // Other breaks are taken before the spacing grows past the face's own.
                    if (step > designed + 0.5)
                        fault(i, "spaced " + std::to_string(step) + " pixels, past the " +
                                     std::to_string(designed) + " of its face");
                }
                // Where the line ends, a reader pauses: not before a word its last word leans
                // on, not between two words read as one.
                if (i + 1 < layout.lineCount()) {
                    const qsizetype end = line.textStart() + line.textLength();
                    const QStringList before = shown.left(end).split(
                        QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
                    const QStringList after = shown.mid(end).split(
                        QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
                    const bool hard = end > 0 && end <= shown.size() && shown[end - 1] == u'\n';
                    if (!hard && !before.isEmpty() && !after.isEmpty()) {
                        const QString& last = before.back();
                        if (leansOnTheNext(last) || isNumber(last) ||
                            readTogether(last, after.front()))
                            fault(i, "ends on «" + last.toStdString() + "» before «" +
                                         after.front().toStdString() + "»");
                    }
                }
                const LineInk ink = inkOf(line, label->font(), area.size());
                const QRect onWindow = ink.box.translated(area.topLeft());
                if (ink.box.isEmpty())
                    continue;
                if (ink.box.left() < 0 || ink.box.right() >= area.width() || ink.box.top() < 0)
                    fault(i, "ink " + describe(onWindow) + " outside the label's rectangle " +
                                 describe(area));
                if (ink.box.bottom() > area.height() - 1 - BottomMargin)
                    fault(i, "ink " + describe(onWindow) + " closer than " +
                                 std::to_string(BottomMargin) + " pixels to the bottom edge");
                for (const Control c : l.inFront)
                    if (onWindow.intersects(
                            rectOf(c).adjusted(-Clearance, -Clearance, Clearance, Clearance)))
                        fault(i, "ink " + describe(onWindow) + " runs under " +
                                     std::string(controlName(c)) + " " + describe(rectOf(c)));
                for (const auto& [x, rows] : ink.columns) {
                    const auto over = above.columns.find(x);
                    if (over != above.columns.end() &&
                        rows.first - over->second.second - 1 < LineGap) {
                        fault(i, "ink in column " + std::to_string(area.left() + x) + " within " +
                                     std::to_string(LineGap) + " pixels of the line above");
                        break;
                    }
                }
                above = ink;
                qreal left = area.width(), right = 0; // the letters' advances, spaces left out
                for (const QGlyphRun& run : line.glyphRuns()) {
                    const QList<QPointF> at = run.positions();
                    const QList<QPointF> advance =
                        run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
                    for (qsizetype g = 0; g < at.size(); ++g)
                        if (!run.rawFont().boundingRect(run.glyphIndexes()[g]).isEmpty()) {
                            left = std::min(left, at[g].x());
                            right = std::max(right, at[g].x() + advance[g].x());
                        }
                }
                const qreal centre = (left + right) / 2;
                if (i == 0)
                    axis = centre;
                if (std::abs(centre - axis) > 1)
                    fault(i, "centred " + std::to_string(centre - axis) +
                                 " pixels off the first line's axis");
                if (std::abs(axis - area.width() / 2.0) > area.width() / 8.0)
                    fault(i, "the text's axis far off the label's middle");
                // A last line of one word, where the line above could have given it company.
                const qsizetype end = line.textStart() + line.textLength();
                const QString words = shown.mid(line.textStart(), line.textLength()).trimmed();
                const bool endsParagraph = end >= shown.size() || shown[end - 1] == u'\n';
                if (i > 0 && endsParagraph && !words.contains(u' ') &&
                    shown[line.textStart() - 1] != u'\n') {
                    const QTextLine last = layout.lineAt(i - 1);
                    if (shown.mid(last.textStart(), last.textLength()).trimmed().contains(u' '))
                        fault(i, "a lone last word");
                }
            }
            for (const QString& phrase : kept)
                for (qsizetype at = shown.indexOf(phrase); at >= 0;
                     at = shown.indexOf(phrase, at + 1))
                    if (lineOf(at) != lineOf(at + phrase.size() - 1))
                        fault(lineOf(at), "breaks inside «" + phrase.toStdString() + "»");
            // A short saying in brackets, which one line holds, stays on one.
            for (qsizetype open = shown.indexOf(u'('); open >= 0;
                 open = shown.indexOf(u'(', open + 1)) {
                const qsizetype close = shown.indexOf(u')', open);
                if (close > open && close - open < 30 &&
                    !shown.mid(open, close - open).contains(u'*') && lineOf(open) != lineOf(close))
                    fault(lineOf(open), "breaks inside the short saying «" +
                                            shown.mid(open, close - open + 1).toStdString() + "»");
            }
            // A quoted verse that breaks starts a line and breaks after its divider.
            for (qsizetype open = shown.indexOf(u'('); open >= 0;
                 open = shown.indexOf(u'(', open + 1)) {
                const qsizetype close = shown.indexOf(u')', open);
                const qsizetype divider = shown.indexOf(QStringLiteral(" ** "), open);
                if (close < 0 || divider < 0 || divider > close || lineOf(open) == lineOf(close))
                    continue;
                if (layout.lineAt(lineOf(open)).textStart() != open ||
                    layout.lineAt(lineOf(close)).textStart() != divider + 4 ||
                    lineOf(close) != lineOf(open) + 1)
                    fault(lineOf(open), "a verse broken elsewhere than at its divider");
            }
        }
    }
    for (std::size_t i = 0; i < faults.size() && i < 30; ++i)
        ADD_FAILURE() << faults[i];
    EXPECT_EQ(faults.size(), 0u);
    if (!missing.isEmpty())
        GTEST_SKIP() << qPrintable(missing.join(u", ")) << " not installed";
}

// The rules behind the breaks, on texts made to need them: what stays in one piece, and which set
// of breaks is chosen where several fit.
TEST(LineBreaks, KeptPhrasesVersesAndLoneWords)
{
    const struct {
        QString text;
        QStringList pieces; // "|" after a piece that ends a paragraph
    } texts[] = {
        {u"قال صلى الله عليه وسلم: (خمس)"_qs, {u"قال"_qs, u"صلى الله عليه وسلم:"_qs, u"(خمس)|"_qs}},
        {u"عمر رضي الله عنهما وأبو بكر رضي الله عنه"_qs,
         {u"عمر"_qs, u"رضي الله عنهما"_qs, u"وأبو"_qs, u"بكر"_qs, u"رضي الله عنه|"_qs}},
        {u"فمن هو؟\nقال:"_qs, {u"فمن هو؟|"_qs, u"قال:|"_qs}},
        {u"مطلعها: (قفا نبك ** بسقط اللوى)؟"_qs,
         {u"مطلعها:"_qs, u"(قفا نبك **"_qs, u"بسقط اللوى)؟|"_qs}},
        {u"أ ب  *  ج د"_qs, {u"أ ب  *"_qs, u"ج د|"_qs}},
    };
    for (const auto& t : texts) {
        QStringList got;
        for (const Piece& p : piecesOf(t.text))
            got << t.text.mid(p.start, p.end - p.start) + (p.paragraphEnd ? u"|"_qs : QString());
        EXPECT_EQ(got, t.pieces) << t.text.toStdString();
    }
    // Pieces ten pixels wide with two between them, in lines of room 34: three to a line fit.
    const struct {
        QString text;
        std::vector<int> starts;
    } choices[] = {
        {u"أ ب ج د"_qs, {0, 2}},      // not three and a lone one
        {u"أ ب ج د ه و"_qs, {0, 3}},  // the even set
        {u"أ في ب ج"_qs, {0, 1}},     // no line ends on a preposition, even set or not
        {u"أ (ب ج) د"_qs, {0, 1}},    // a saying one line holds is not parted
        {u"أ ب واحدة ج"_qs, {0, 1}},  // nor "one" from what there is one of
        {u"أ ب جيم، د ه"_qs, {0, 3}}, // a pause is where a line would rather end
        {u"أ ب ج، د ه"_qs, {0, 2}},   // but not a list's lone letter: as even, the first set
    };
    const auto width = [](int first, int last) { return 12.0 * (last - first + 1) - 2; };
    const auto room = [](int) { return 34.0; };
    for (const auto& c : choices)
        EXPECT_EQ(chooseBreaks(piecesOf(c.text), width, room).starts, c.starts)
            << c.text.toStdString();
    // Where the best set will not do, the others that keep its rules, as even as the leeway
    // allows: «أ | ب ج د» is 288 less even than «أ ب | ج د»; «أ ب ج | د» ends on a lone word.
    const std::vector<Piece> four = piecesOf(u"أ ب ج د"_qs);
    const Breaks best = chooseBreaks(four, width, room);
    const auto startsOf = [&](double leeway) {
        std::vector<std::vector<int>> starts;
        for (const Breaks& b : otherBreaks(four, width, room, best, leeway, 8))
            starts.push_back(b.starts);
        return starts;
    };
    EXPECT_EQ(startsOf(0.3), (std::vector<std::vector<int>>{{0, 1}}));
    EXPECT_TRUE(startsOf(0.2).empty());
}

} // namespace
} // namespace zarvona

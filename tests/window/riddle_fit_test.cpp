// Every riddle of the book can be read whole, in the faces the window really uses: each line of
// each question and answer, drawn on its own without the label's clipping, puts all its ink
// inside the label's rectangle, clear of the bottom edge, and clear of every control stacked in
// front of the label.
#include "window_fixture.h"

#include "riddles/riddle_catalogue.h"
#include "window/controls/text_label.h"

#include <QFontDatabase>
#include <QPainter>
#include <QTextLayout>

#include <sstream>

namespace zarvona {
namespace {

constexpr int BottomMargin = 2; // pixels between the last line's ink and the bottom edge
constexpr int Clearance = 3;    // pixels between any ink and a control in front of the label

// Where one line leaves ink, in the label's coordinates: the line drawn alone onto a transparent
// canvas larger than the label on every side, so that nothing the label would clip is lost.
QRect inkOf(const QTextLine& line, const QFont& font, QSize label)
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
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(row[x]) != 0)
                ink |= QRect(x - pad, y - pad, 1, 1);
    }
    return ink;
}

std::string describe(const QRect& r)
{
    std::ostringstream out;
    out << r.left() << "," << r.top() << " to " << r.right() << "," << r.bottom();
    return out.str();
}

TEST_F(WindowTest, EveryRiddleFitsItsAreasClearOfTheControlsInFront)
{
    const struct {
        Control label;
        std::u16string_view RiddleEntry::*text;
        std::vector<Control> inFront; // the controls stacked above the label that overlap it
    } labels[] = {
        {Control::Label1, &RiddleEntry::question, {}},
        {Control::Label2, &RiddleEntry::answer, {Control::Image2, Control::Back, Control::Label4}},
    };
    std::vector<std::string> faults;
    for (const auto& l : labels) {
        auto* label = dynamic_cast<TextLabel*>(form->controlWidget(l.label));
        ASSERT_NE(label, nullptr);
        if (!QFontDatabase::hasFamily(label->font().families().front()))
            GTEST_SKIP() << qPrintable(label->font().families().front()) << " is not installed";
        const QRect area = rectOf(l.label);
        for (const Control c : l.inFront)
            ASSERT_TRUE(rectOf(c).intersects(area)) << controlName(c);
        for (const RiddleEntry& entry : RiddleCatalogue) {
            form->setCaption(l.label, entry.*l.text);
            const QTextLayout& layout = label->textLayout();
            for (int i = 0; i < layout.lineCount(); ++i) {
                const QRect ink = inkOf(layout.lineAt(i), label->font(), area.size());
                if (ink.isEmpty())
                    continue;
                const QRect onWindow = ink.translated(area.topLeft());
                const auto fault = [&](const std::string& what) {
                    faults.push_back(std::string(controlName(l.label)) + " of riddle " +
                                     std::to_string(entry.number) + ", line " +
                                     std::to_string(i + 1) + " (ink " + describe(onWindow) +
                                     "): " + what);
                };
                if (ink.left() < 0 || ink.right() >= area.width() || ink.top() < 0)
                    fault("outside the label's rectangle " + describe(area));
                if (ink.bottom() > area.height() - 1 - BottomMargin)
                    fault("closer than " + std::to_string(BottomMargin) +
                          " pixels to the bottom edge, or past it");
                for (const Control c : l.inFront) {
                    const QRect near =
                        rectOf(c).adjusted(-Clearance, -Clearance, Clearance, Clearance);
                    if (onWindow.intersects(near))
                        fault("runs under " + std::string(controlName(c)) + " " +
                              describe(rectOf(c)));
                }
            }
        }
    }
    for (std::size_t i = 0; i < faults.size() && i < 30; ++i)
        ADD_FAILURE() << faults[i];
    EXPECT_EQ(faults.size(), 0u);
}

} // namespace
} // namespace zarvona

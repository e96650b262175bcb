#include "window/text_label.h"

#include "ui/form_definition.h"
#include "window/accessibility.h"
#include "window/fonts.h"
#include "window/qt_form.h"

#include <QAccessible>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zarvona {

namespace {

constexpr int BottomMargin = 2;   // pixels kept free between the last line's ink and the bottom
constexpr int CoverClearance = 3; // pixels kept free between any ink and a control in front
// Prepared captions kept at most: the next and previous riddles', the one pointed at in the list,
// and the one shown last.
constexpr std::size_t MostPrepared = 4;

// One line below the last, in ems, as the faces the layout was drawn for set it; zero where the
// face's own spacing serves.
qreal designedLineHeight(const FontSpec& font)
{
    if (font.face == "Simplified Arabic")
        return 1.4;
    if (font.face == "Tahoma")
        return 1.25;
    return 0;
}

// The pixels a line inks, half-open ([left, right) by [top, bottom)), in the label's pixels, and
// how far above its baseline the ink reaches; empty (left == right) for a line of spaces.
struct Ink {
    int left = 0, right = 0, top = 0, bottom = 0;
    qreal above = 0;
};

Ink inkOf(const QTextLine& line)
{
    const qreal baseline = line.y() + line.ascent();
    qreal left = std::numeric_limits<qreal>::max(), right = -left, top = baseline,
          bottom = baseline;
    for (const QGlyphRun& run : line.glyphRuns()) {
        const QRawFont face = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF box = face.boundingRect(glyphs[i]).translated(positions[i]);
            if (box.isEmpty())
                continue;
            left = std::min(left, box.left());
            right = std::max(right, box.right());
            top = std::min(top, box.top());
            bottom = std::max(bottom, box.bottom());
        }
    }
    if (left > right)
        return {};
    // Smoothing shades every pixel a glyph's box touches.
    return {static_cast<int>(std::floor(left)), static_cast<int>(std::ceil(right)),
            static_cast<int>(std::floor(top)), static_cast<int>(std::ceil(bottom)), baseline - top};
}

// The widest stretch [first, second) of [0, width) that no cover, with its clearance, takes
// from the rows [top, bottom).
std::pair<int, int> freeStretch(int width, int top, int bottom, const std::vector<QRect>& covers)
{
    std::vector<std::pair<int, int>> free{{0, width}};
    for (const QRect& cover : covers) {
        if (cover.top() - CoverClearance >= bottom ||
            cover.top() + cover.height() + CoverClearance <= top)
            continue;
        const int from = cover.left() - CoverClearance;
        const int to = cover.left() + cover.width() + CoverClearance;
        std::vector<std::pair<int, int>> rest;
        for (const auto& [a, b] : free) {
            if (a < std::min(b, from))
                rest.emplace_back(a, std::min(b, from));
            if (std::max(a, to) < b)
                rest.emplace_back(std::max(a, to), b);
        }
        free = std::move(rest);
    }
    std::pair<int, int> widest{0, 0};
    for (const auto& stretch : free)
        if (stretch.second - stretch.first > widest.second - widest.first)
            widest = stretch;
    return widest;
}

} // namespace

std::vector<QRect> coversOf(const FormDefinition& form, Control label)
{
    const QRect own = toQRect(inPixels(form[label].rect));
    const QRect reach =
        own.adjusted(-CoverClearance, -CoverClearance, CoverClearance, CoverClearance);
    std::vector<QRect> covers;
    for (const ControlDefinition& d : form.controls) {
        if (d.control == label)
            break; // the rest lie behind it
        if (!d.visible || !takesPointer(d.kind) || d.kind == ControlKind::ListBox)
            continue;
        const QRect rect = toQRect(inPixels(d.rect));
        if (rect.intersects(reach))
            covers.push_back(rect.translated(-own.topLeft()));
    }
    return covers;
}

QString displayTextOf(std::u16string_view caption)
{
    QString text = QString::fromStdU16String(std::u16string(caption));
    // Qt breaks lines at LF only and would show a lone CR as a space.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

TextLabel::TextLabel(const ControlDefinition& definition, std::vector<QRect> covers, QtForm& form,
                     QWidget* parent)
    : ControlWidget(definition.control, form, parent), m_caption(definition.caption),
      m_display(displayTextOf(definition.caption)), m_colour(definition.foreColor),
      m_designedLineHeight(designedLineHeight(definition.font)), m_covers(std::move(covers))
{
    setFont(fontFor(definition.font, definition.rightToLeft));
    m_option.setAlignment((definition.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    m_option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_option.setTextDirection(definition.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

void TextLabel::setCaption(std::u16string_view caption)
{
    if (caption == m_caption)
        return;
    const QRegion before = m_layout ? textArea() : QRegion(rect());
    Laid next;
    if (const auto prepared = findPrepared(caption); prepared != m_prepared.end()) {
        next = std::move(*prepared);
        m_prepared.erase(prepared);
    } else {
        next.caption = caption;
        next.display = displayTextOf(caption);
    }
    exchange(next);
    // What was shown stays laid out: a step back finds it ready.
    if (next.layout) {
        if (m_prepared.size() == MostPrepared)
            m_prepared.erase(m_prepared.begin());
        m_prepared.push_back(std::move(next));
    }
    repaintText(before);
    // The reader keeps the names it has read; what it hears of the change is the window's to say.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void TextLabel::prepare(const std::vector<std::u16string>& captions)
{
    std::vector<Laid> kept;
    for (const std::u16string& caption : captions) {
        const auto isIt = [&caption](const Laid& laid) { return laid.caption == caption; };
        if (caption == m_caption) {
            textLayout();
            continue;
        }
        if (std::any_of(kept.begin(), kept.end(), isIt))
            continue;
        Laid laid;
        if (const auto prepared = findPrepared(caption); prepared != m_prepared.end()) {
            laid = std::move(*prepared);
        } else {
            // Laid out as the label's own, then put aside.
            laid.caption = caption;
            laid.display = displayTextOf(caption);
            exchange(laid);
            textLayout();
            exchange(laid);
        }
        kept.push_back(std::move(laid));
    }
    m_prepared = std::move(kept);
}

const QTextLayout* TextLabel::preparedLayout(std::u16string_view caption) const
{
    for (const Laid& laid : m_prepared)
        if (laid.caption == caption)
            return laid.layout.get();
    return nullptr;
}

std::vector<TextLabel::Laid>::iterator TextLabel::findPrepared(std::u16string_view caption)
{
    return std::find_if(m_prepared.begin(), m_prepared.end(),
                        [caption](const Laid& laid) { return laid.caption == caption; });
}

void TextLabel::exchange(Laid& other)
{
    std::swap(m_caption, other.caption);
    std::swap(m_display, other.display);
    std::swap(m_layout, other.layout);
    std::swap(m_bounds, other.bounds);
    std::swap(m_inked, other.inked);
}

void TextLabel::setVisible(bool visible)
{
    const bool was = !isHidden();
    ControlWidget::setVisible(visible);
    if (was != visible)
        noteVisibility(this);
}

void TextLabel::setForeColor(Colour colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    repaintText(m_layout ? textArea() : QRegion(rect()));
}

void TextLabel::repaintText(const QRegion& before)
{
    // A hidden label is laid out when it is next shown, and showing repaints it whole.
    if (!isVisible())
        return;
    update(before | textArea());
}

QRegion TextLabel::textArea()
{
    textLayout();
    return m_inked;
}

const QTextLayout& TextLabel::textLayout()
{
    if (m_layout)
        return *m_layout;
    QString text = m_display;
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    m_layout = std::make_unique<QTextLayout>(text, font(), this);
    m_layout->setTextOption(m_option);
    m_layout->setCacheEnabled(true); // keep the shaped glyphs, not just the line breaks
    const qreal em = font().pixelSize();
    const qreal designed = m_designedLineHeight > 0 ? std::round(m_designedLineHeight * em)
                                                    : QFontMetricsF(font()).lineSpacing();
    const int lines = layOut(designed);
    // More lines than the designed spacing holds: set them closer, so that the text shows
    // whole, down to an em apart; beyond that the bottom edge cuts the text off.
    const int overshoot = m_bounds.bottom() + 1 - (height() - BottomMargin);
    if (overshoot > 0 && lines > 1)
        layOut(std::max(em, designed - std::ceil(qreal(overshoot) / (lines - 1))));
    return *m_layout;
}

int TextLabel::layOut(qreal lineHeight)
{
    m_layout->beginLayout();
    m_bounds = QRect();
    m_inked = QRegion();
    qreal baseline = 0;
    int lines = 0;
    for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
        const auto place = [&](int left, int right) {
            line.setLineWidth(right - left);
            line.setPosition(QPointF(left, baseline - line.ascent()));
            return inkOf(line);
        };
        // The first line hangs from the top edge as the face sets it, but no mark or tall
        // ligature may reach above the edge.
        if (lines++ == 0)
            baseline = std::ceil(std::max(line.ascent(), place(0, width()).above));
        else
            baseline += lineHeight;
        Ink ink = place(0, width());
        // Where the ink meets a control in front of the label, the line takes the free stretch
        // beside it and is centred there. A swash or a mark hanging past the line's ends moves
        // the line over where the ink fits as it is, and narrows it where it does not; narrower
        // lines hold fewer glyphs, so their ink never reaches further than before.
        if (ink.left != ink.right) {
            const auto [from, to] = freeStretch(width(), ink.top, ink.bottom, m_covers);
            int left = 0, right = width();
            if ((ink.left < from || ink.right > to) && to - from < width()) {
                left = from;
                right = to;
                ink = place(left, right);
            }
            for (int pass = 0; pass < 8 && (ink.left < from || ink.right > to); ++pass) {
                const int over = std::max(0, from - ink.left), under = std::max(0, ink.right - to);
                const bool fits = ink.right - ink.left <= to - from;
                left += fits ? over - under : over;
                right += fits ? over - under : -under;
                ink = place(left, right);
            }
            const QRect inked(ink.left, ink.top, ink.right - ink.left, ink.bottom - ink.top);
            m_bounds |= inked;
            m_inked |= inked.adjusted(-1, -1, 1, 1);
        }
    }
    m_layout->endLayout();
    return lines;
}

void TextLabel::paintEvent(QPaintEvent* event)
{
    if (m_display.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(toQColor(m_colour));
    // Only the lines that meet the damaged part: a glyph lighting up over a long question
    // repaints a corner of it, not every line.
    textLayout().draw(&painter, QPointF(0, 0), {}, QRectF(event->rect()));
}

} // namespace zarvona

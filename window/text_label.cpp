#include "window/text_label.h"

#include "ui/form_definition.h"
#include "window/accessibility.h"
#include "window/fonts.h"
#include "window/line_breaks.h"
#include "window/qt_form.h"

#include <QAccessible>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>

#include <cmath>
#include <limits>
#include <numeric>
#include <tuple>

namespace zarvona {

namespace {

constexpr int BottomMargin = 2;   // pixels kept free between the last line's ink and the bottom
constexpr int CoverClearance = 3; // pixels kept free between any ink and a control in front
constexpr int LineGap = 2;        // blank pixels between the ink of two lines, marks included
constexpr qreal RoomToSpare = 2;  // for ink that reaches a little past a line's advance

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

// The boxes of a line's glyphs, marks included, measured from its baseline.
std::vector<QRectF> glyphBoxes(const QTextLine& line)
{
    const qreal baseline = line.y() + line.ascent();
    std::vector<QRectF> boxes;
    for (const QGlyphRun& run : line.glyphRuns()) {
        const QRawFont face = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF box = face.boundingRect(glyphs[i]).translated(positions[i]);
            if (!box.isEmpty())
                boxes.push_back(box.translated(0, -baseline));
        }
    }
    return boxes;
}

// Where a line's letters begin and end across, from the advances of the glyphs that leave ink.
std::pair<qreal, qreal> lettersOf(const QTextLine& line)
{
    qreal left = std::numeric_limits<qreal>::max(), right = -left;
    for (const QGlyphRun& run : line.glyphRuns()) {
        const QRawFont face = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs);
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            if (!face.boundingRect(glyphs[i]).isEmpty()) {
                left = std::min(left, positions[i].x());
                right = std::max(right, positions[i].x() + advances[i].x());
            }
    }
    return {left, right};
}

// The closest whole number of pixels one baseline may lie below another and leave LineGap blank
// rows between the ink of the two lines wherever they share a column.
int closestPitch(const std::vector<QRectF>& upper, const std::vector<QRectF>& lower)
{
    int pitch = 0;
    for (const QRectF& a : upper)
        for (const QRectF& b : lower)
            if (std::floor(a.left()) < std::ceil(b.right()) &&
                std::floor(b.left()) < std::ceil(a.right()))
                pitch = std::max(
                    pitch, LineGap + static_cast<int>(std::ceil(a.bottom()) - std::floor(b.top())));
    return pitch;
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
    const QString exposedBefore = exposedText(*this);
    const QRegion before = m_layout ? textArea() : QRegion(rect());
    m_caption = caption;
    m_display = displayTextOf(caption);
    m_layout.reset();
    repaintText(before);
    announceText(*this, exposedBefore);
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void TextLabel::setVisible(bool visible)
{
    const QString exposedBefore = exposedText(*this);
    ControlWidget::setVisible(visible);
    announceText(*this, exposedBefore);
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
    // A text that does not fit at the designed spacing is first set closer where no ink comes
    // near the next line, and only where even that leaves it too tall, in a smaller size, so
    // that no line is cut off and no mark touches another line.
    QFont face = font();
    const int size = face.pixelSize();
    for (int px = size; px >= (2 * size + 2) / 3; --px) {
        face.setPixelSize(px);
        if (px != size)
            m_layout->setFont(face);
        if (setLines(px))
            break;
    }
    return *m_layout;
}

bool TextLabel::setLines(int em)
{
    const qreal designed = m_designedLineHeight > 0
                               ? std::round(m_designedLineHeight * em)
                               : std::ceil(QFontMetricsF(font()).lineSpacing());
    const std::vector<Piece> pieces = piecesOf(m_display);
    const Measures measures = measure(pieces);
    const int limit = height() - BottomMargin;
    int pitch = static_cast<int>(designed);
    // Tighter spacing takes more than one try only where lines move past a control in front.
    for (int tries = 0; tries < 4; ++tries) {
        const std::vector<int> gaps = setLines(pieces, measures, pitch);
        if (m_bounds.isEmpty() || m_bounds.bottom() < limit || gaps.empty())
            return true;
        if (pitch == 0)
            return false;
        // The widest pitch that brings the text inside, down to the closest the ink allows.
        const auto bottomAt = [&](int lower) {
            int bottom = m_bounds.bottom();
            for (const int gap : gaps)
                bottom -= std::max(pitch, gap) - std::max(lower, gap);
            return bottom;
        };
        int lower = pitch - 1;
        while (lower > 0 && bottomAt(lower) >= limit)
            --lower;
        pitch = lower;
    }
    return m_bounds.bottom() < limit;
}

void TextLabel::breakBefore(const std::vector<Piece>& pieces, const std::vector<bool>& starts)
{
    QString text = m_display;
    for (std::size_t k = 1; k < pieces.size(); ++k)
        if (starts[k] && !pieces[k - 1].paragraphEnd)
            text[pieces[k].start - 1] = QChar::LineSeparator;
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    if (text != m_layout->text())
        m_layout->setText(text);
}

TextLabel::Measures TextLabel::measure(const std::vector<Piece>& pieces)
{
    // Each piece set on a line of its own gives its width and how far its ink reaches; pieces
    // set two to a line give the spaces between them, which in set text are not the face's own
    // space.
    Measures m;
    const std::size_t n = pieces.size();
    m.widths.assign(n, 0);
    m.gaps.assign(n, 0);
    const auto setAlone = [&](const std::vector<bool>& starts) {
        breakBefore(pieces, starts);
        std::vector<qreal> widths;
        m_layout->beginLayout();
        for (QTextLine line = m_layout->createLine(); line.isValid();
             line = m_layout->createLine()) {
            line.setLineWidth(std::numeric_limits<int>::max() / 4);
            line.setPosition(QPointF(0, 0));
            widths.push_back(line.naturalTextWidth());
            const Ink ink = inkOf(line);
            if (ink.left != ink.right) {
                m.above = std::max(m.above, ink.above);
                m.below = std::max(m.below, ink.bottom - (line.y() + line.ascent()));
            }
        }
        m_layout->endLayout();
        return widths;
    };
    const std::vector<qreal> alone = setAlone(std::vector<bool>(n, true));
    for (std::size_t k = 0; k < n && k < alone.size(); ++k)
        m.widths[k] = alone[k];
    for (std::size_t odd = 0; odd < 2; ++odd) {
        // Pairs (k, k + 1) for every k of one parity, within a paragraph.
        std::vector<bool> starts(n, true);
        std::vector<std::size_t> firsts; // the first piece of each line
        for (std::size_t k = 0; k < n; ++k) {
            firsts.push_back(k);
            if (k % 2 == odd && k + 1 < n && !pieces[k].paragraphEnd)
                starts[++k] = false;
        }
        const std::vector<qreal> widths = setAlone(starts);
        for (std::size_t l = 0; l < firsts.size() && l < widths.size(); ++l) {
            const std::size_t k = firsts[l];
            if (k + 1 < n && !starts[k + 1])
                m.gaps[k] = widths[l] - m.widths[k] - m.widths[k + 1];
        }
    }
    return m;
}

std::vector<int> TextLabel::setLines(const std::vector<Piece>& pieces, const Measures& m, int pitch)
{
    // A line beside a control in front is narrowed on both sides alike, so that every line of
    // the text is centred on one axis: the label's own, or where a control narrows the lines
    // from one side more than the other, the middle of what it leaves free, if the text sits
    // better there.
    const auto stretchAt = [&](int baseline) {
        return freeStretch(width(), static_cast<int>(std::floor(baseline - m.above)),
                           static_cast<int>(std::ceil(baseline + m.below)), m_covers);
    };
    const auto roomAt = [&](qreal axis, int baseline) {
        const auto [from, to] = stretchAt(baseline);
        return std::max(0.0, 2 * std::min(axis - from, to - axis));
    };
    std::vector<qreal> before(pieces.size() + 1, 0); // the width of the pieces before each
    for (std::size_t k = 0; k < pieces.size(); ++k)
        before[k + 1] = before[k] + m.widths[k] + m.gaps[k];
    const auto widthOf = [&](int first, int last) {
        return before[last + 1] - before[first] - m.gaps[last];
    };
    // Where each line's baseline lies: first where the designed spacing puts it, then where the
    // lines as set put it, until the two agree.
    const int first = static_cast<int>(
        std::ceil(std::max<qreal>(QFontMetricsF(m_layout->font()).ascent(), m.above)));
    std::vector<int> baselines;
    std::vector<int> gaps;
    for (int round = 0; round < 3; ++round) {
        const auto baselineOf = [&](int i) {
            if (i < static_cast<int>(baselines.size()))
                return baselines[i];
            const int last = baselines.empty() ? first - pitch : baselines.back();
            return last + pitch * (i + 1 - static_cast<int>(baselines.size()));
        };
        qreal axis = width() / 2.0;
        const auto breaksAbout = [&](qreal a) {
            return chooseBreaks(pieces, widthOf,
                                [&](int i) { return roomAt(a, baselineOf(i)) - RoomToSpare; });
        };
        // How far the lines' lengths stray from their mean: the raggedness of the block.
        const auto ragged = [&](const Breaks& b) {
            std::vector<qreal> lengths;
            for (std::size_t l = 0; l < b.starts.size(); ++l)
                lengths.push_back(widthOf(b.starts[l], l + 1 < b.starts.size()
                                                           ? b.starts[l + 1] - 1
                                                           : static_cast<int>(pieces.size()) - 1));
            const qreal mean = std::accumulate(lengths.begin(), lengths.end(), 0.0) /
                               std::max<std::size_t>(1, lengths.size());
            qreal sum = 0;
            for (const qreal length : lengths)
                sum += (length - mean) * (length - mean);
            return sum;
        };
        Breaks breaks = breaksAbout(axis);
        std::pair<int, int> narrowest{0, width()};
        for (std::size_t l = 0; l < breaks.starts.size(); ++l) {
            const auto stretch = stretchAt(baselineOf(static_cast<int>(l)));
            if (stretch.second - stretch.first < narrowest.second - narrowest.first)
                narrowest = stretch;
        }
        const qreal middle = (narrowest.first + narrowest.second) / 2.0;
        if (std::abs(middle - axis) >= 1) {
            const Breaks shifted = breaksAbout(middle);
            const auto rank = [](const Breaks& b) {
                return std::tuple(b.over, b.starts.size(), b.widows);
            };
            if (rank(shifted) < rank(breaks) ||
                (rank(shifted) == rank(breaks) && breaks.starts.size() > 2 &&
                 2 * ragged(shifted) < ragged(breaks))) {
                breaks = shifted;
                axis = middle;
            }
        }
        const std::vector<int>& starts = breaks.starts;
        std::vector<bool> startsLine(pieces.size(), false);
        for (const int k : starts)
            startsLine[k] = true;
        breakBefore(pieces, startsLine);
        std::vector<int> placed;
        gaps.clear();
        m_layout->beginLayout();
        m_bounds = QRect();
        m_inked = QRegion();
        std::vector<QRectF> above; // the glyph boxes of the line above, from its baseline
        for (std::size_t l = 0; l < starts.size(); ++l) {
            QTextLine line = m_layout->createLine();
            if (!line.isValid())
                break;
            const qreal room = roomAt(axis, baselineOf(static_cast<int>(l)));
            line.setLineWidth(room);
            line.setPosition(QPointF(axis - room / 2, 0));
            // Qt may count a break's separator into the line it centres; the letters are
            // centred instead.
            const auto [left, right] = lettersOf(line);
            const qreal x = axis - room / 2 + (left < right ? axis - (left + right) / 2 : 0);
            line.setPosition(QPointF(x, 0));
            const std::vector<QRectF> boxes = glyphBoxes(line);
            int baseline = first;
            if (l > 0) {
                const int gap = closestPitch(above, boxes);
                gaps.push_back(gap);
                baseline = placed.back() + std::max(pitch, gap);
            } else {
                baseline = static_cast<int>(std::ceil(std::max(line.ascent(), inkOf(line).above)));
            }
            line.setPosition(QPointF(x, baseline - line.ascent()));
            placed.push_back(baseline);
            above = boxes;
            const Ink ink = inkOf(line);
            if (ink.left != ink.right) {
                const QRect inked(ink.left, ink.top, ink.right - ink.left, ink.bottom - ink.top);
                m_bounds |= inked;
                m_inked |= inked.adjusted(-1, -1, 1, 1);
            }
        }
        m_layout->endLayout();
        if (placed == baselines)
            break;
        baselines = placed;
    }
    return gaps;
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

#include "window/controls/text_label.h"

#include "ui/form_definition.h"
#include "window/controls/line_breaks.h"
#include "window/controls/visibility_notice.h"
#include "window/graphics/fonts.h"
#include "window/graphics/qt_conversions.h"

#include <QAccessible>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace zarvona {

namespace {

// Prepared captions kept at most: the next and previous riddles', the one pointed at in the list,
// and the one shown last.
constexpr std::size_t MostPrepared = 4;
constexpr qreal RoomToSpare = 2; // for ink that reaches a little past a line's advance
// What Qt adds to a line's width for a tail that reaches past the last letter's advance: less
// than the narrowest word with its space, so a line this much wider still holds no more words.
constexpr qreal Overhang = 8;
// How much less even than the best other breaks may be, taken where the best would bring the
// marks of two lines too close at the designed spacing: half the line's room, squared.
constexpr qreal Leeway = 0.5 * 0.5;
constexpr std::size_t MostOtherBreaks = 64;

// The glyphs of a line or part of one: the boxes of those that leave ink, marks included,
// measured across as placed and up and down from the baseline, and where the letters begin and
// end across, by their advances.
struct Glyphs {
    std::vector<QRectF> boxes;
    qreal left = std::numeric_limits<qreal>::max(), right = -left;
};

Glyphs glyphsOf(const QTextLine& line, int from = -1, int length = -1)
{
    const qreal baseline = line.y() + line.ascent();
    Glyphs g;
    for (const QGlyphRun& run : line.glyphRuns(from, length)) {
        const QRawFont face = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs);
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF box = face.boundingRect(glyphs[i]).translated(positions[i]);
            if (box.isEmpty())
                continue;
            g.boxes.push_back(box.translated(0, -baseline));
            g.left = std::min(g.left, positions[i].x());
            g.right = std::max(g.right, positions[i].x() + advances[i].x());
        }
    }
    return g;
}

// The pixels glyph boxes ink about a baseline, half-open ([left, right) by [top, bottom)), and
// how far above the baseline the ink reaches; empty (left == right) for no boxes.
struct Ink {
    int left = 0, right = 0, top = 0, bottom = 0;
    qreal above = 0;
};

Ink inkOf(const std::vector<QRectF>& boxes, qreal baseline)
{
    if (boxes.empty())
        return {};
    QRectF all;
    for (const QRectF& box : boxes)
        all |= box;
    // Smoothing shades every pixel a glyph's box touches.
    return {static_cast<int>(std::floor(all.left())), static_cast<int>(std::ceil(all.right())),
            static_cast<int>(std::floor(baseline + all.top())),
            static_cast<int>(std::ceil(baseline + all.bottom())), -all.top()};
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

// How far a line's ink reaches down and up in each pixel column, from its baseline; columns
// start Margin pixels left of the label, for ink that hangs past its edge.
struct Profile {
    static constexpr int Margin = 64;
    std::vector<int> bottom, top;

    Profile(int width, const std::vector<QRectF>& boxes)
        : bottom(width + 2 * Margin, std::numeric_limits<int>::min()),
          top(width + 2 * Margin, std::numeric_limits<int>::max())
    {
        const int columns = static_cast<int>(bottom.size());
        for (const QRectF& box : boxes) {
            const int from = std::max(0, static_cast<int>(std::floor(box.left())) + Margin);
            const int to = std::min(columns, static_cast<int>(std::ceil(box.right())) + Margin);
            for (int c = from; c < to; ++c) {
                bottom[c] = std::max(bottom[c], static_cast<int>(std::ceil(box.bottom())));
                top[c] = std::min(top[c], static_cast<int>(std::floor(box.top())));
            }
        }
    }
};

// The closest whole number of pixels one baseline may lie below another and leave LineGap blank
// rows between the ink of the two lines wherever they share a column.
int closestPitch(const Profile& upper, const Profile& lower)
{
    int pitch = 0;
    for (std::size_t c = 0; c < upper.bottom.size(); ++c)
        if (upper.bottom[c] != std::numeric_limits<int>::min() &&
            lower.top[c] != std::numeric_limits<int>::max())
            pitch = std::max(pitch, LineGap + upper.bottom[c] - lower.top[c]);
    return pitch;
}

// The closest pitch the ink allows between every two lines of a text that breaks before the
// given pieces, each line centred on the axis, from where the glyphs of each piece lie when each
// paragraph is set on one line: words do not join across a space, so a line's glyphs are its
// pieces' glyphs moved as one.
int closestPitchOf(const std::vector<int>& starts, const std::vector<Glyphs>& pieces, qreal axis,
                   int width)
{
    int pitch = 0;
    std::optional<Profile> upper;
    for (std::size_t l = 0; l < starts.size(); ++l) {
        const std::size_t end = l + 1 < starts.size() ? starts[l + 1] : pieces.size();
        Glyphs line;
        for (std::size_t k = starts[l]; k < end; ++k) {
            line.boxes.insert(line.boxes.end(), pieces[k].boxes.begin(), pieces[k].boxes.end());
            line.left = std::min(line.left, pieces[k].left);
            line.right = std::max(line.right, pieces[k].right);
        }
        const qreal shift = line.left < line.right ? axis - (line.left + line.right) / 2 : 0;
        for (QRectF& box : line.boxes)
            box.translate(shift, 0);
        Profile lower(width, line.boxes);
        if (upper)
            pitch = std::max(pitch, closestPitch(*upper, lower));
        upper = std::move(lower);
    }
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

TextLabel::TextLabel(const ControlDefinition& definition, std::vector<QRect> covers,
                     ControlEvents& events, QWidget* parent)
    : ControlWidget(definition, events, parent), m_caption(definition.caption),
      m_display(displayTextOf(definition.caption)), m_colour(definition.foreColor),
      m_designedLineHeight(definition.font.lineHeight), m_covers(std::move(covers))
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
    // A text that does not fit at the designed spacing is first set closer where no ink comes
    // near the next line, and only where even that leaves it too tall, in a smaller size, so
    // that no line is cut off and no mark touches another line.
    // A size whose lines all end where a reader pauses is taken before a larger one whose lines
    // cannot, if it is at most two pixels smaller.
    QFont face = font();
    const int size = face.pixelSize();
    int fits = 0; // the largest size that fits, whatever its breaks
    for (int px = size; px >= (2 * size + 2) / 3 && (fits == 0 || px >= fits - 2); --px) {
        face.setPixelSize(px);
        if (px != size)
            m_layout->setFont(face);
        if (setLines(px)) {
            if (m_avoided == 0)
                return *m_layout;
            fits = std::max(fits, px);
        }
    }
    if (fits != 0 && fits != face.pixelSize()) {
        face.setPixelSize(fits);
        m_layout->setFont(face);
        setLines(fits);
    }
    return *m_layout;
}

bool TextLabel::setLines(int em)
{
    // Every try at this size lays its lines on one shaping of the text.
    const struct EndLines {
        TextLabel& label;
        ~EndLines() { label.endLines(); }
    } endLines{*this};
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
    if (text != m_layout->text()) {
        endLines();
        m_layout->setText(text);
    }
}

void TextLabel::beginLines()
{
    // Qt's beginLayout() shapes the text again; clearing the lines of an open layout keeps it.
    if (m_laying) {
        m_layout->clearLayout();
        return;
    }
    m_layout->beginLayout();
    m_laying = true;
}

void TextLabel::endLines()
{
    if (!m_laying)
        return;
    m_layout->endLayout();
    m_laying = false;
}

std::vector<QTextLine> TextLabel::paragraphsOnOneLine(const std::vector<Piece>& pieces)
{
    breakBefore(pieces, std::vector<bool>(pieces.size(), false));
    beginLines();
    std::vector<QTextLine> paragraphs;
    for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
        line.setLineWidth(1e5);
        line.setPosition(QPointF(0, 0));
        paragraphs.push_back(line);
    }
    return paragraphs;
}

TextLabel::Measures TextLabel::measure(const std::vector<Piece>& pieces)
{
    // Each paragraph set on one line, as wide as it likes; every piece is read from where its
    // glyphs were put, and how far the ink of any reaches above and below the baseline.
    Measures m;
    const std::size_t n = pieces.size();
    m.widths.assign(n, 0);
    m.gaps.assign(n, 0);
    const std::vector<QTextLine> paragraphs = paragraphsOnOneLine(pieces);
    // Between words the set text puts the face's own space.
    const qreal space = QFontMetricsF(m_layout->font()).horizontalAdvance(QLatin1Char(' '));
    const QString& text = m_layout->text();
    for (const QTextLine& line : paragraphs) {
        const Ink ink = inkOf(glyphsOf(line).boxes, 0);
        m.above = std::max(m.above, ink.above);
        m.below = std::max<qreal>(m.below, ink.bottom);
    }
    std::size_t paragraph = 0;
    for (std::size_t k = 0; k < n && paragraph < paragraphs.size(); ++k) {
        const QTextLine& line = paragraphs[paragraph];
        int start = pieces[k].start, end = pieces[k].end;
        // A piece of one direction spans the distance between its two ends, spaces it opens
        // with included; a piece with digits or Latin letters in it is measured glyph by glyph.
        const bool oneWay = std::none_of(text.begin() + start, text.begin() + end, [](QChar c) {
            return c.isDigit() || c.direction() == QChar::DirL;
        });
        if (oneWay) {
            m.widths[k] = std::abs(line.cursorToX(&start) - line.cursorToX(&end));
        } else {
            int leading = 0; // a paragraph's leading spaces belong to its first piece
            while (start + leading < end && text[start + leading] == QLatin1Char(' '))
                ++leading;
            const Glyphs g = glyphsOf(line, start, end - start);
            m.widths[k] = std::max<qreal>(0, g.right - g.left) + leading * space;
        }
        if (pieces[k].paragraphEnd)
            ++paragraph;
        else
            m.gaps[k] = (pieces[k + 1].start - pieces[k].end) * space;
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
    // The spacing only grows from one round to the next, so that the rounds settle.
    int spacingFloor = 0;
    // Where the best breaks bring the marks of two lines too close at the designed spacing,
    // other breaks nearly as good are looked for once, before the spacing grows.
    std::optional<std::vector<int>> other;
    bool lookedForOthers = false;
    for (int round = 0; round < 6; ++round) {
        const auto baselineOf = [&](int i) {
            if (i < static_cast<int>(baselines.size()))
                return baselines[i];
            const int last = baselines.empty() ? first - pitch : baselines.back();
            return last + pitch * (i + 1 - static_cast<int>(baselines.size()));
        };
        // Every line of the text is centred on the label's own axis; a control in front narrows
        // the lines beside it on both sides alike.
        const qreal axis = width() / 2.0;
        const auto roomOf = [&](int i) { return roomAt(axis, baselineOf(i)) - RoomToSpare; };
        const Breaks breaks = chooseBreaks(pieces, widthOf, roomOf);
        const std::vector<int>& starts = other ? *other : breaks.starts;
        m_avoided = breaks.avoided;
        // Each line is first given just the width of the pieces it is to hold, so that Qt's own
        // wrapping breaks where they end and the text is shaped once; where Qt breaks elsewhere
        // anyway, the breaks are written into the laid-out text.
        const int count = static_cast<int>(starts.size());
        const auto lineWidth = [&](int l) {
            return widthOf(starts[l], (l + 1 < count ? starts[l + 1] : pieces.size()) - 1);
        };
        const auto startOf = [&](int l) { return starts[l] == 0 ? 0 : pieces[starts[l]].start; };
        std::vector<QTextLine> lines;
        for (const bool wrapped : {true, false}) {
            if (!wrapped) {
                std::vector<bool> startsLine(pieces.size(), false);
                for (const int k : starts)
                    startsLine[k] = true;
                breakBefore(pieces, startsLine);
            } else {
                breakBefore(pieces, std::vector<bool>(pieces.size(), false));
            }
            lines.clear();
            beginLines();
            for (QTextLine line = m_layout->createLine(); line.isValid();
                 line = m_layout->createLine()) {
                const int l = static_cast<int>(lines.size());
                const qreal room = l < count ? roomAt(axis, baselineOf(l)) : width();
                line.setLineWidth(wrapped && l < count ? std::min(room, lineWidth(l) + Overhang)
                                                       : room);
                lines.push_back(line);
            }
            bool asChosen = static_cast<int>(lines.size()) == count;
            for (int l = 0; l < count && asChosen; ++l)
                asChosen = lines[l].textStart() == startOf(l);
            if (asChosen || !wrapped)
                break;
        }
        // Each line centred by its letters (Qt may count a break's separator into the line it
        // centres), then all of them at one spacing: the designed one, or where the marks of two
        // lines would come closer than LineGap at it, the closest that keeps every pair apart.
        std::vector<std::vector<QRectF>> boxes(lines.size());
        for (std::size_t l = 0; l < lines.size(); ++l) {
            QTextLine& line = lines[l];
            line.setPosition(QPointF(axis - line.width() / 2, 0));
            Glyphs glyphs = glyphsOf(line);
            const qreal shift =
                glyphs.left < glyphs.right ? axis - (glyphs.left + glyphs.right) / 2 : 0;
            for (QRectF& box : glyphs.boxes)
                box.translate(shift, 0);
            line.setPosition(QPointF(axis - line.width() / 2 + shift, 0));
            boxes[l] = std::move(glyphs.boxes);
        }
        int closest = 0;
        for (std::size_t l = 1; l < lines.size(); ++l)
            closest = std::max(
                closest, closestPitch(Profile(width(), boxes[l - 1]), Profile(width(), boxes[l])));
        gaps.assign(lines.empty() ? 0 : lines.size() - 1, closest);
        const int spacing = std::max({pitch, closest, spacingFloor});
        spacingFloor = spacing;
        std::vector<int> placed;
        m_bounds = QRect();
        m_inked = QRegion();
        for (std::size_t l = 0; l < lines.size(); ++l) {
            QTextLine& line = lines[l];
            const int baseline =
                l == 0
                    ? static_cast<int>(std::ceil(std::max(line.ascent(), inkOf(boxes[0], 0).above)))
                    : placed.back() + spacing;
            line.setPosition(QPointF(line.position().x(), baseline - line.ascent()));
            placed.push_back(baseline);
            const Ink ink = inkOf(boxes[l], baseline);
            if (ink.left != ink.right) {
                const QRect inked(ink.left, ink.top, ink.right - ink.left, ink.bottom - ink.top);
                m_bounds |= inked;
                m_inked |= inked.adjusted(-1, -1, 1, 1);
            }
        }
        if (closest > pitch && !lookedForOthers && round + 1 < 6) {
            // Looking lays the text out anew, so the round is set again, with the breaks found
            // or with the chosen ones.
            lookedForOthers = true;
            other = closerBreaks(pieces, widthOf, roomOf, breaks, axis, pitch);
            if (other)
                spacingFloor = 0;
            continue;
        }
        // The breaks were chosen for rooms at the guessed baselines; where the lines as set
        // have the same rooms, they stand.
        bool same = true;
        for (std::size_t l = 0; l < placed.size() && same; ++l)
            same = stretchAt(placed[l]) == stretchAt(baselineOf(static_cast<int>(l)));
        if (same)
            break;
        baselines = placed;
    }
    return gaps;
}

std::optional<std::vector<int>> TextLabel::closerBreaks(
    const std::vector<Piece>& pieces, const std::function<double(int, int)>& widthOf,
    const std::function<double(int)>& room, const Breaks& chosen, qreal axis, int pitch)
{
    const std::vector<Breaks> others =
        otherBreaks(pieces, widthOf, room, chosen, Leeway, MostOtherBreaks);
    if (others.empty())
        return std::nullopt;
    // Where the glyphs of each piece lie with each paragraph set on one line.
    const std::vector<QTextLine> paragraphs = paragraphsOnOneLine(pieces);
    std::vector<Glyphs> glyphs;
    std::size_t paragraph = 0;
    for (const Piece& piece : pieces) {
        glyphs.push_back(paragraph < paragraphs.size()
                             ? glyphsOf(paragraphs[paragraph], piece.start, piece.end - piece.start)
                             : Glyphs{});
        if (piece.paragraphEnd)
            ++paragraph;
    }
    // The most even set that the designed spacing holds, or else the one that needs the least
    // more, if it needs less than the chosen set.
    int least = closestPitchOf(chosen.starts, glyphs, axis, width());
    std::optional<std::vector<int>> closer;
    for (const Breaks& b : others) {
        const int needs = closestPitchOf(b.starts, glyphs, axis, width());
        if (needs < least) {
            least = needs;
            closer = b.starts;
        }
        if (least <= pitch)
            break;
    }
    return closer;
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

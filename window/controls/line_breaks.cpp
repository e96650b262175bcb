#include "window/controls/line_breaks.h"

#include "window/controls/line_break_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <tuple>

namespace zarvona {

namespace {

// Phrases a line never splits: the blessings, and names that are one name in two words.
constexpr std::array KeptPhrases = {
    u"صلى الله عليه وسلم", u"رضي الله عنهما", u"رضي الله عنه", u"عليه السلام",
    u"رسول الله",          u"عبد الله",       u"عبد الرحمن",
};

// A question's closing pronoun, which stays on the line of the word before it («فمن هو؟»).
constexpr std::array ClosingPronouns = {u"هو؟", u"هي؟", u"هم؟", u"هما؟"};

// The marks that part a verse's two hemistichs.
constexpr std::array Dividers = {u"**", u"*"};

template <std::size_t N> bool isOneOf(QStringView word, const std::array<const char16_t*, N>& list)
{
    for (const char16_t* item : list)
        if (word == QStringView(item))
            return true;
    return false;
}

bool isLetter(const QString& text, qsizetype at)
{
    return at >= 0 && at < text.size() && text[at].isLetter();
}

struct Word {
    int start, end;
};

// The pieces of one paragraph [from, to) of the text, appended to pieces.
void addParagraph(const QString& text, int from, int to, std::vector<Piece>& pieces)
{
    std::vector<Word> words;
    for (int i = from; i < to;) {
        while (i < to && text[i] == QLatin1Char(' '))
            ++i;
        const int start = i;
        while (i < to && text[i] != QLatin1Char(' '))
            ++i;
        if (i > start)
            words.push_back({start, i});
    }
    if (words.empty()) {
        pieces.push_back({from, from, true, true, true, -1});
        return;
    }
    const auto wordAt = [&](int position) { // the first word that ends after position
        for (std::size_t w = 0; w < words.size(); ++w)
            if (words[w].end > position)
                return static_cast<int>(w);
        return static_cast<int>(words.size());
    };
    // joined[w]: no line ends between word w and word w + 1.
    std::vector<bool> joined(words.size(), false);
    std::vector<int> verseOf(words.size(), -1); // for a divider word, the verse's first word
    const QStringView paragraph = QStringView(text).mid(from, to - from);
    for (const char16_t* phrase : KeptPhrases) {
        const QStringView p(phrase);
        for (qsizetype at = paragraph.indexOf(p); at >= 0; at = paragraph.indexOf(p, at + 1)) {
            const int start = from + static_cast<int>(at);
            if (isLetter(text, start - 1) || isLetter(text, start + p.size()))
                continue;
            for (int w = wordAt(start);
                 w + 1 < static_cast<int>(words.size()) && words[w + 1].start < start + p.size();
                 ++w)
                joined[w] = true;
        }
    }
    for (std::size_t w = 0; w + 1 < words.size(); ++w) {
        const QStringView next =
            QStringView(text).mid(words[w + 1].start, words[w + 1].end - words[w + 1].start);
        if (isOneOf(next, ClosingPronouns))
            joined[w] = true;
    }
    for (std::size_t d = 0; d < words.size(); ++d) {
        const QStringView word =
            QStringView(text).mid(words[d].start, words[d].end - words[d].start);
        if (!isOneOf(word, Dividers))
            continue;
        // A verse in brackets runs from its opening bracket to its closing one; a verse without
        // them is the whole paragraph.
        const qsizetype at = words[d].start - from;
        const qsizetype open = paragraph.left(at).lastIndexOf(QLatin1Char('('));
        const qsizetype close = paragraph.indexOf(QLatin1Char(')'), at);
        const bool bracketed =
            open >= 0 && close >= 0 && paragraph.mid(open, at - open).indexOf(QLatin1Char(')')) < 0;
        const int first = bracketed ? wordAt(from + static_cast<int>(open)) : 0;
        const int last =
            bracketed ? wordAt(from + static_cast<int>(close)) : static_cast<int>(words.size()) - 1;
        for (int w = first; w < last; ++w)
            joined[w] = w != static_cast<int>(d);
        verseOf[d] = first;
    }
    const std::size_t firstPiece = pieces.size();
    std::vector<int> pieceOf(words.size());
    for (std::size_t w = 0; w < words.size(); ++w) {
        pieceOf[w] = static_cast<int>(pieces.size());
        if (w > 0 && joined[w - 1]) {
            pieceOf[w] = static_cast<int>(pieces.size()) - 1;
            pieces.back().end = words[w].end;
            pieces.back().oneWord = false;
        } else {
            pieces.push_back({w == 0 ? from : words[w].start, words[w].end, true, false, true, -1});
        }
        if (verseOf[w] >= 0)
            pieces.back().verseStart = pieceOf[verseOf[w]];
    }
    pieces.back().paragraphEnd = true;

    // Where a reader would and would not pause, from the last word of each piece and the first of
    // the next.
    const auto wordOf = [&](std::size_t w) {
        return QStringView(text).mid(words[w].start, words[w].end - words[w].start);
    };
    std::vector<std::size_t> lastWord(pieces.size() - firstPiece, 0);
    for (std::size_t w = 0; w < words.size(); ++w)
        lastWord[static_cast<std::size_t>(pieceOf[w]) - firstPiece] = w;
    for (std::size_t k = firstPiece; k < pieces.size(); ++k) {
        const std::size_t w = lastWord[k - firstPiece];
        const QStringView word = wordOf(w);
        Piece& piece = pieces[k];
        piece.pause = endsAClause(word);
        if (w + 1 >= words.size())
            continue;
        const QStringView next = wordOf(w + 1);
        // A label and a value of one word: "والثاني: برتقال،".
        const bool labelled = word.endsWith(u':') && w + 2 <= words.size() &&
                              (w + 2 == words.size() || endsAClause(next));
        piece.keepsNext =
            leansOnTheNext(word) || isNumber(word) || readTogether(word, next) || labelled;
    }
    // A saying in brackets: its pieces, from the one that opens it to the one that closes it.
    int open = -1;
    for (std::size_t k = firstPiece; k < pieces.size(); ++k) {
        const QStringView piece =
            QStringView(text).mid(pieces[k].start, pieces[k].end - pieces[k].start);
        if (open < 0 && piece.contains(u'(') && !piece.mid(piece.indexOf(u'(')).contains(u')'))
            open = static_cast<int>(k);
        else if (open >= 0 && piece.contains(u')')) {
            for (int j = open; j < static_cast<int>(k); ++j) {
                pieces[j].bracketStart = open;
                pieces[j].bracketEnd = static_cast<int>(k);
            }
            open = -1;
        }
    }
}

} // namespace

std::vector<Piece> piecesOf(const QString& text)
{
    std::vector<Piece> pieces;
    int from = 0;
    for (;;) {
        const qsizetype to = text.indexOf(QLatin1Char('\n'), from);
        addParagraph(text, from, to < 0 ? static_cast<int>(text.size()) : static_cast<int>(to),
                     pieces);
        if (to < 0)
            break;
        from = static_cast<int>(to) + 1;
    }
    return pieces;
}

namespace {

// Lines past this index are all alike: below any label of the window.
constexpr int Deepest = 10;
// A line that ends at a pause counts as this much of its room more even.
constexpr double PauseBonus = 0.3;

// What one line, of pieces [k, j], costs in a room of r pixels.
struct LineCost {
    bool mayEnd = false;
    int over = 0;
    bool avoid = false, widow = false;
    double uneven = 0;
};

LineCost lineCost(const std::vector<Piece>& pieces, const std::function<double(int, int)>& width,
                  int k, int j, double r)
{
    const Piece& p = pieces[j];
    LineCost c;
    // A verse breaks at its divider only on a line of its own.
    c.mayEnd = p.paragraphEnd || (p.breakAfter && (p.verseStart < 0 || p.verseStart == k));
    if (!c.mayEnd)
        return c;
    const bool opensParagraph = k == 0 || pieces[k - 1].paragraphEnd;
    const double w = width(k, j);
    c.over = static_cast<int>(std::ceil(std::max(0.0, w - r)));
    c.widow = p.paragraphEnd && !opensParagraph && j == k && p.oneWord;
    // Inside a bracketed saying one line could hold, or before what the last word leans on.
    c.avoid = !p.paragraphEnd &&
              (p.keepsNext || (p.bracketEnd > j && width(p.bracketStart, p.bracketEnd) <= r));
    const double slack = c.over > 0 ? 0 : (r - w) * (r - w);
    const double pause = p.pause && !p.paragraphEnd ? (PauseBonus * r) * (PauseBonus * r) : 0;
    c.uneven = slack - pause;
    return c;
}

} // namespace

Breaks chooseBreaks(const std::vector<Piece>& pieces, const std::function<double(int, int)>& width,
                    const std::function<double(int)>& room)
{
    struct Cost {
        int over = std::numeric_limits<int>::max(), lines = 0, avoided = 0, widows = 0;
        double uneven = 0;
        bool operator<(const Cost& o) const
        {
            return std::tie(over, avoided, lines, widows, uneven) <
                   std::tie(o.over, o.avoided, o.lines, o.widows, o.uneven);
        }
    };
    const int n = static_cast<int>(pieces.size());
    // best[k][i]: the lines from piece k on, the first of them the line of index i.
    std::vector<std::array<Cost, Deepest + 1>> best(n + 1);
    std::vector<std::array<int, Deepest + 1>> end(n + 1);
    std::array<double, Deepest + 1> rooms;
    for (int i = 0; i <= Deepest; ++i)
        rooms[i] = room(i);
    for (Cost& c : best[n])
        c = Cost{0, 0, 0, 0, 0};
    for (int k = n - 1; k >= 0; --k) {
        for (int i = 0; i <= Deepest; ++i) {
            Cost chosen;
            for (int j = k; j < n; ++j) {
                const LineCost line = lineCost(pieces, width, k, j, rooms[i]);
                if (line.mayEnd) {
                    if (line.over > 0 && chosen.over != std::numeric_limits<int>::max())
                        break; // a longer line only runs further over
                    const Cost& rest = best[j + 1][std::min(i + 1, Deepest)];
                    const Cost c{line.over + rest.over, 1 + rest.lines,
                                 (line.avoid ? 1 : 0) + rest.avoided,
                                 (line.widow ? 1 : 0) + rest.widows, line.uneven + rest.uneven};
                    if (c < chosen) {
                        chosen = c;
                        end[k][i] = j;
                    }
                    if (line.over > 0)
                        break;
                }
                if (pieces[j].paragraphEnd)
                    break;
            }
            best[k][i] = chosen;
        }
    }
    Breaks breaks;
    if (n > 0) {
        breaks.over = best[0][0].over;
        breaks.widows = best[0][0].widows;
        breaks.avoided = best[0][0].avoided;
        breaks.uneven = best[0][0].uneven;
    }
    for (int k = 0, i = 0; k < n; i = std::min(i + 1, Deepest)) {
        breaks.starts.push_back(k);
        k = end[k][i] + 1;
    }
    return breaks;
}

std::vector<Breaks> otherBreaks(const std::vector<Piece>& pieces,
                                const std::function<double(int, int)>& width,
                                const std::function<double(int)>& room, const Breaks& chosen,
                                double leeway, std::size_t most)
{
    std::vector<Breaks> found;
    const int n = static_cast<int>(pieces.size());
    const int lines = static_cast<int>(chosen.starts.size());
    if (n == 0 || chosen.over > 0 || lines < 2)
        return found;
    std::array<double, Deepest + 1> rooms;
    for (int i = 0; i <= Deepest; ++i)
        rooms[i] = room(i);
    const double limit = chosen.uneven + leeway * rooms[0] * rooms[0];
    // The sets are few: every line but the last is nearly full, so each ends on one of a handful
    // of pieces. Those visited are counted all the same, to bound the search.
    int visits = 0;
    Breaks partial;
    const auto search = [&](const auto& self, int k, int i) -> void {
        if (++visits > 20000)
            return;
        if (k == n) {
            if (partial.starts != chosen.starts)
                found.push_back(partial);
            return;
        }
        if (i == lines)
            return;
        const double r = rooms[std::min(i, Deepest)];
        for (int j = k; j < n; ++j) {
            const LineCost line = lineCost(pieces, width, k, j, r);
            if (line.over > 0)
                break;
            if (line.mayEnd && partial.avoided + line.avoid <= chosen.avoided &&
                partial.widows + line.widow <= chosen.widows &&
                partial.uneven + line.uneven <=
                    limit + (lines - i - 1) * PauseBonus * PauseBonus * rooms[0] * rooms[0]) {
                const Breaks before = partial;
                partial.starts.push_back(k);
                partial.avoided += line.avoid;
                partial.widows += line.widow;
                partial.uneven += line.uneven;
                self(self, j + 1, i + 1);
                partial = before;
            }
            if (pieces[j].paragraphEnd)
                break;
        }
    };
    search(search, 0, 0);
    std::erase_if(found, [&](const Breaks& b) { return b.uneven > limit; });
    std::sort(found.begin(), found.end(),
              [](const Breaks& a, const Breaks& b) { return a.uneven < b.uneven; });
    if (found.size() > most)
        found.resize(most);
    return found;
}

} // namespace zarvona

// Where the lines of a text break, chosen the way a typesetter chooses them rather than one line
// at a time: among the breaks that fit, the set that breaks where a reader pauses, that leaves no
// single word alone on the last line of a paragraph, and after that the most even lines. Some
// breaks are never taken: inside the blessing formulas, between a question's closing word and its
// pronoun, and inside a quoted verse anywhere but at its divider; a verse that breaks at all
// starts a line of its own. Others are avoided (line_break_rules.cpp holds their tables): a line
// that ends on a preposition, a conjunction or a particle written as its own word, on a noun that
// needs the word after it, on a number before what it counts, or between a label and a one-word
// value; a break inside a short saying in brackets that one line could hold. A break after a
// clause's punctuation is welcome. Only the choice lives here; measuring and setting the lines is
// the label's business.
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace zarvona {

// A run of text between two places a line may break. A word usually, but a kept phrase or a
// hemistich is one piece. start and end cover its characters, without the spaces after it.
struct Piece {
    int start = 0, end = 0;
    bool breakAfter = true;    // a line may end after it
    bool paragraphEnd = false; // a hard break (or the text's end) follows it
    bool oneWord = true;       // it holds no space
    int verseStart = -1;       // for the divider of a verse, the verse's first piece
    bool keepsNext = false;    // a line had better not end after it (line_break_rules.h)
    bool pause = false;        // it ends a clause: a good place for a line to end
    int bracketStart = -1;     // inside a bracketed saying: the saying's first piece
    int bracketEnd = -1;       // and its last
};

// The pieces of a text whose hard breaks are '\n'. Every paragraph has at least one piece (an
// empty one for an empty paragraph); the first piece of a paragraph starts at the paragraph's
// start, so that leading spaces stay on its line.
std::vector<Piece> piecesOf(const QString& text);

// The index of the first piece of each line, the first line's (0) included, and what the choice
// could not avoid. width(first, last)
// is the width of a line holding those pieces; room(line) the width a line of that index may
// take. Lines are first kept within their room (the fewest pixels over), then ending where the
// rules allow, even at the cost of a line more, then as few as possible, then without a lone last
// word, then as even as possible, a line that ends at a pause counting as a little more even.
struct Breaks {
    std::vector<int> starts;
    int over = 0;      // pixels, in all, that lines run past their room
    int widows = 0;    // paragraphs that end in a lone word
    int avoided = 0;   // lines that end where the rules would rather they did not
    double uneven = 0; // the lines' slack squared, in all, less what their pauses earn
};
Breaks chooseBreaks(const std::vector<Piece>& pieces, const std::function<double(int, int)>& width,
                    const std::function<double(int)>& room);

// The other sets of breaks that keep every rule the chosen set keeps (no line past its room, as
// many lines, none more ending where the rules would rather it did not, no more lone last
// words) and are nearly as even: their unevenness at most leeway times the first line's room
// squared beyond the chosen set's. At most most of them, the most even first. The label asks
// for them where the chosen lines would bring the marks of two lines too close.
std::vector<Breaks> otherBreaks(const std::vector<Piece>& pieces,
                                const std::function<double(int, int)>& width,
                                const std::function<double(int)>& room, const Breaks& chosen,
                                double leeway, std::size_t most);

} // namespace zarvona

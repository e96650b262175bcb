// A text label: its caption painted in its font and colour, from the top of a fixed rectangle
// down, word-wrapped, each line centred, clipped at the bottom, with nothing painted behind
// it. A CR, an LF or a CR LF pair starts a new line on screen; the caption keeps them as
// written.
//
// The lines are set by the label itself, not by the face, the way a printed book sets them: the
// breaks are chosen for the whole text (line_breaks.h); every line lies below the last by the
// face's designed spacing; where the ink of two lines, marks included, would come within two
// pixels, other breaks nearly as even are taken first, and only where none keeps the marks apart,
// a larger spacing for the whole text; a text with more lines than that spacing holds is set
// closer where no ink comes near, and only where that is not enough, a pixel size smaller at a
// time; and lines whose ink would run under a control stacked in front of the label are narrowed
// on both sides alike, so that every line of a text is centred on one axis.
#pragma once

#include "window/controls/control_widget.h"
#include "window/controls/line_breaks.h"

#include <QRect>
#include <QRegion>
#include <QTextLayout>
#include <QTextOption>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zarvona {

struct ControlDefinition;
struct FormDefinition;

// What the setting keeps free, in pixels: between the last line's ink and the label's bottom
// edge, between any ink and a control stacked in front, and between the ink of two lines.
inline constexpr int BottomMargin = 2;
inline constexpr int CoverClearance = 3;
inline constexpr int LineGap = 2;

class TextLabel final : public ControlWidget {
  public:
    // covers: the rectangles, in the label's own pixels, of the controls that lie in front of it.
    TextLabel(const ControlDefinition& definition, std::vector<QRect> covers, ControlEvents& events,
              QWidget* parent);

    std::u16string caption() const override { return m_caption; }
    void setCaption(std::u16string_view caption) override;
    Colour foreColor() const override { return m_colour; }
    void setForeColor(Colour colour) override;
    // Showing or hiding the answer changes what a screen reader is told the label says, and
    // which states it reads.
    void setVisible(bool visible) override;

    // The caption as it is laid out: every kind of line break made one.
    const QString& displayText() const { return m_display; }

    // Shaping Arabic is the costly part of painting, so the laid-out text is kept until the
    // caption changes, and made only when it is first needed (a hidden answer never is).
    const QTextLayout& textLayout();

    // Lays out ahead of need (while the window is idle) the captions the label may be given
    // next, so that being given one of them paints text already shaped. The label keeps what
    // the latest call asked for, and the caption it showed last, until the next call.
    void prepare(const std::vector<std::u16string>& captions);
    // The layout kept for a caption, null when none is.
    const QTextLayout* preparedLayout(std::u16string_view caption) const;

    // Where the laid-out text's lines leave ink, with a pixel to spare, in the label's pixels:
    // all that a change of caption or colour repaints, so that the band or the oval behind the
    // label is redrawn only under the text.
    QRegion textArea();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // A caption with its text laid out: the label's own, or one prepared.
    struct Laid {
        std::u16string caption;
        QString display;
        std::unique_ptr<QTextLayout> layout;
        QRect bounds;
        QRegion inked;
    };

    void exchange(Laid& other);
    std::vector<Laid>::iterator findPrepared(std::u16string_view caption);
    // How wide each piece of the text is, how wide the spaces after it are, and how far the
    // ink of any piece reaches above and below its baseline, in the layout's present font.
    struct Measures {
        std::vector<qreal> widths, gaps;
        qreal above = 0, below = 0;
    };
    Measures measure(const std::vector<Piece>& pieces);
    // Gives the layout the display text with a line separator for the space before each piece
    // that starts a line (starts[k] for piece k); the caption is left as it is.
    void breakBefore(const std::vector<Piece>& pieces, const std::vector<bool>& starts);
    // Sets the lines in a font of em pixels; false where they do not fit the height.
    bool setLines(int em);
    // Sets the lines with baselines pitch pixels apart, or further where the ink of two lines
    // would come closer; returns the closest pitch the ink allows between each line and the
    // one above.
    std::vector<int> setLines(const std::vector<Piece>& pieces, const Measures& measures,
                              int pitch);
    // The text laid out anew with each paragraph on one line, as wide as it likes.
    std::vector<QTextLine> paragraphsOnOneLine(const std::vector<Piece>& pieces);
    // Lines laid anew: on the same shaping while the text and face stay as they are (Qt's own
    // beginLayout() shapes the text again), and the layout closed once they are settled.
    void beginLines();
    void endLines();
    // Other breaks than the chosen ones, nearly as good, that bring the lines' marks no closer
    // than the pitch allows, or closer to it than the chosen ones do; none where there are none.
    std::optional<std::vector<int>> closerBreaks(const std::vector<Piece>& pieces,
                                                 const std::function<double(int, int)>& widthOf,
                                                 const std::function<double(int)>& room,
                                                 const Breaks& chosen, qreal axis, int pitch);
    void repaintText(const QRegion& before);

    std::u16string m_caption;
    QString m_display;
    Colour m_colour;
    QTextOption m_option;
    qreal m_designedLineHeight;
    std::vector<QRect> m_covers;
    std::unique_ptr<QTextLayout> m_layout;
    QRect m_bounds;        // the ink of all the lines
    QRegion m_inked;       // the ink of each line, a pixel wider all round
    int m_avoided = 0;     // lines that end where the rules would rather they did not
    bool m_laying = false; // the layout is open: its lines may be laid anew
    std::vector<Laid> m_prepared;
};

QString displayTextOf(std::u16string_view caption);

// The rectangles of the controls in front of the given label that overlap it or come within
// reach of its text: the visible labels and pictures stacked above it (the number list is a
// pop-up and covers what it likes while it is open), in the label's own pixels.
std::vector<QRect> coversOf(const FormDefinition& form, Control label);

} // namespace zarvona

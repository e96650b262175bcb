// A glyph button: a label whose caption is a symbol-font character. The symbol font is not
// something to count on, so the glyph (a target, or a disc with an arrow cut out of it) is drawn
// as a vector shape at the size the font would give it, in the label's text colour; the caption
// is kept as written.
#pragma once

#include "ui/form_definition.h"
#include "window/controls/control_widget.h"

#include <QPainterPath>

#include <string>

namespace zarvona {

class GlyphLabel final : public ControlWidget {
  public:
    GlyphLabel(const ControlDefinition& definition, ControlEvents& events, QWidget* parent);

    std::u16string caption() const override { return m_caption; }
    void setCaption(std::u16string_view caption) override { m_caption = caption; }
    Colour foreColor() const override { return m_colour; }
    void setForeColor(Colour colour) override;

    // The glyph's bounds in the label: where a focus ring goes round it.
    QRectF outline() const { return m_path.boundingRect(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::u16string m_caption;
    Colour m_colour;
    QPainterPath m_path;
};

// The glyph's outline in a box of one em (the symbol font's size in pixels) whose top-left
// corner is the label's; holes are made by the odd-even fill rule.
QPainterPath glyphPath(Glyph glyph, double em);

} // namespace zarvona

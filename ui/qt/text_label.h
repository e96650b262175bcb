// A text label: its caption painted in its font and colour, from the top of a fixed rectangle
// down, word-wrapped, each line centred, clipped at the bottom, with nothing painted behind
// it. A CR, an LF or a CR LF pair starts a new line on screen; the caption keeps them as
// written.
#pragma once

#include "ui/qt/control_widget.h"

#include <QTextLayout>
#include <QTextOption>

#include <memory>

#include <string>

namespace zarvona {

struct ControlDefinition;

class TextLabel final : public ControlWidget {
  public:
    TextLabel(const ControlDefinition& definition, QtForm& form, QWidget* parent);

    const std::u16string& caption() const { return m_caption; }
    void setCaption(std::u16string_view caption);
    Colour foreColor() const { return m_colour; }
    void setForeColor(Colour colour);

    // The caption as it is laid out: every kind of line break made one.
    const QString& displayText() const { return m_display; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Shaping Arabic is the costly part of painting, so the laid-out text is kept until the
    // caption changes, and made only when the label is next painted (a hidden answer never is).
    const QTextLayout& layout();

    std::u16string m_caption;
    QString m_display;
    Colour m_colour;
    QTextOption m_option;
    std::unique_ptr<QTextLayout> m_layout;
};

QString displayTextOf(std::u16string_view caption);

} // namespace zarvona

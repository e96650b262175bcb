#include "ui/qt/text_label.h"

#include "ui/form_definition.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_form.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

namespace zarvona {

QString displayTextOf(std::u16string_view caption)
{
    QString text = QString::fromStdU16String(std::u16string(caption));
    // Qt breaks lines at LF only and would show a lone CR as a space.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

TextLabel::TextLabel(const ControlDefinition& definition, QtForm& form, QWidget* parent)
    : ControlWidget(definition.control, form, parent), m_caption(definition.caption),
      m_display(displayTextOf(definition.caption)), m_colour(definition.foreColor)
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
    m_caption = caption;
    m_display = displayTextOf(caption);
    m_layout.reset();
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void TextLabel::setForeColor(Colour colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

const QTextLayout& TextLabel::layout()
{
    if (m_layout)
        return *m_layout;
    QString text = m_display;
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    m_layout = std::make_unique<QTextLayout>(text, font(), this);
    m_layout->setTextOption(m_option);
    m_layout->setCacheEnabled(true); // keep the shaped glyphs, not just the line breaks
    m_layout->beginLayout();
    qreal y = 0;
    for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    m_layout->endLayout();
    return *m_layout;
}

void TextLabel::paintEvent(QPaintEvent* event)
{
    if (m_display.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(toQColor(m_colour));
    // Only the lines that meet the damaged part: a glyph lighting up over a long question
    // repaints a corner of it, not every line.
    layout().draw(&painter, QPointF(0, 0), {}, QRectF(event->rect()));
}

} // namespace zarvona

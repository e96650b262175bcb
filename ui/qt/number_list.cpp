#include "ui/qt/number_list.h"

#include "ui/qt/fonts.h"
#include "ui/qt/qt_form.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace zarvona {

namespace {

// Every colour the list shows comes from its definition, never from the desktop's theme, so a
// dark theme cannot mix its own into it: the background and the text; the selection, in the
// text's colour with the background's colour on it; the black frame; and the scroll bar, shaded
// from the glyph buttons' resting colour on the list's background.
QPalette definedPalette(const ControlDefinition& definition)
{
    const QColor back = toQColor(definition.backColor);
    const QColor fore = toQColor(definition.foreColor);
    QPalette colours(toQColor(IdleForeColor), back);
    colours.setColor(QPalette::Base, back);
    colours.setColor(QPalette::AlternateBase, back);
    colours.setColor(QPalette::Text, fore);
    colours.setColor(QPalette::WindowText, QColor(Qt::black)); // the frame, as on a light desktop
    colours.setColor(QPalette::ButtonText, fore);
    colours.setColor(QPalette::Highlight, fore);
    colours.setColor(QPalette::HighlightedText, back);
    return colours;
}

} // namespace

NumberList::NumberList(const ControlDefinition& definition, QWidget* parent)
    : QListWidget(parent), m_colour(definition.foreColor)
{
    setAttribute(Qt::WA_NoMousePropagation);
    setLayoutDirection(definition.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFont(fontFor(definition.font, false));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(true);
    setPalette(definedPalette(definition));

    QStringList numbers;
    numbers.reserve(definition.listItemCount);
    for (int i = 1; i <= definition.listItemCount; ++i)
        numbers.append(QString::number(i));
    addItems(numbers);
    // The rows share the list's height inside its one-pixel border: five rows of 13 pixels.
    const int rowHeight = (inPixels(definition.rect).height - 2) / definition.listVisibleRows;
    for (int i = 0; i < count(); ++i)
        item(i)->setSizeHint(QSize(0, rowHeight));

    connect(this, &QAbstractItemView::clicked, this, [this] { pickIfSelected(); });
}

QString NumberList::selectedText() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

void NumberList::setForeColor(Colour colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    QPalette colours = palette();
    colours.setColor(QPalette::Text, toQColor(colour));
    setPalette(colours);
}

void NumberList::keyPressEvent(QKeyEvent* event)
{
    const bool confirm = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                         event->key() == Qt::Key_Space;
    if (confirm) {
        // Confirming picks the item under the keyboard cursor, selecting it first.
        if (QListWidgetItem* current = currentItem()) {
            current->setSelected(true);
            pickIfSelected();
        }
        event->accept();
        return;
    }
    const QString before = selectedText();
    QListWidget::keyPressEvent(event);
    if (selectedText() != before)
        pickIfSelected();
}

void NumberList::pickIfSelected()
{
    if (!selectedText().isEmpty() && m_pick)
        m_pick();
}

} // namespace zarvona

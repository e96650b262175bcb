#include "ui/qt/number_list.h"

#include "ui/qt/fonts.h"
#include "ui/qt/qt_form.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace zarvona {

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
    QPalette colours = palette();
    colours.setColor(QPalette::Base, toQColor(definition.backColor));
    colours.setColor(QPalette::Text, toQColor(m_colour));
    setPalette(colours);

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

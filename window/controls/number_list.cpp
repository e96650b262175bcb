#include "window/controls/number_list.h"

#include "window/controls/visibility_notice.h"
#include "window/graphics/fonts.h"
#include "window/graphics/qt_conversions.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>

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

// No row lights up under the pointer: moving in the open list changes nothing until a pick. Qt's
// Windows styles paint the row under the pointer of an item view; Fusion does not.
class UnlitRows final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem unlit(option);
        unlit.state &= ~QStyle::State_MouseOver;
        QStyledItemDelegate::paint(painter, unlit, index);
    }
};

} // namespace

class NumberList::OwnChange {
  public:
    explicit OwnChange(NumberList& list) : m_list(list) { ++m_list.m_ownChanges; }
    ~OwnChange() { --m_list.m_ownChanges; }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;

  private:
    NumberList& m_list;
};

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
    setItemDelegate(new UnlitRows(this));

    QStringList numbers;
    numbers.reserve(definition.listItemCount);
    for (int i = 1; i <= definition.listItemCount; ++i)
        numbers.append(QString::number(i));
    addItems(numbers);
    // The rows share the list's height inside its one-pixel border: five rows of 13 pixels.
    const int rowHeight = (inPixels(definition.rect).height - 2) / definition.listVisibleRows;
    for (int i = 0; i < count(); ++i)
        item(i)->setSizeHint(QSize(0, rowHeight));

    // A click never gives the list the keyboard; only the keyboard does (see takeFocus()).
    setFocusPolicy(Qt::NoFocus);
    // The item under the pointer is known as soon as the pointer comes onto it, pressed or not.
    viewport()->setMouseTracking(true);
    connect(this, &QAbstractItemView::entered, this, [this](const QModelIndex& index) {
        m_pointed = index.row() + 1;
        if (m_point)
            m_point();
    });
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_ownChanges == 0)
            pickIfSelected();
    });
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
    const bool confirming = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                            event->key() == Qt::Key_Space;
    if (confirming) {
        confirm();
        event->accept();
        return;
    }
    // Digits, Escape, Home, End, Left, Right and Ctrl's keys do what they do in the window (Home
    // and End pick the first and the last number there too).
    const int key = event->key();
    const bool windows = (event->modifiers() & Qt::ControlModifier) || key == Qt::Key_Left ||
                         key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End ||
                         key == Qt::Key_Escape ||
                         (!event->text().isEmpty() && event->text().front().isDigit());
    if (windows) {
        event->ignore();
        return;
    }
    const QString before = selectedText();
    {
        OwnChange own(*this);
        QListWidget::keyPressEvent(event);
    }
    // Up, Down and the page keys stay in the list even where it cannot move any further.
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown)
        event->accept();
    if (selectedText() != before)
        pickIfSelected();
}

void NumberList::selectNumber(int number)
{
    QListWidgetItem* target = item(number - 1);
    if (target == nullptr)
        return;
    OwnChange own(*this);
    setCurrentItem(target);
    scrollToItem(target, QAbstractItemView::EnsureVisible);
}

void NumberList::confirm()
{
    const QList<QListWidgetItem*> selected = selectedItems();
    QListWidgetItem* target = selected.isEmpty() ? currentItem() : selected.front();
    if (target == nullptr)
        return;
    {
        OwnChange own(*this);
        setCurrentItem(target, QItemSelectionModel::ClearAndSelect);
    }
    pickIfSelected();
}

void NumberList::takeFocus()
{
    if (hasFocus())
        return;
    m_focusBefore = QApplication::focusWidget();
    setFocus(Qt::OtherFocusReason);
    // The number selected before the list had the keyboard: the reader hears it after the list.
    if (QAccessible::isActive() && currentRow() >= 0) {
        QAccessibleEvent current(this, QAccessible::Focus);
        current.setChild(currentRow());
        QAccessible::updateAccessibility(&current);
    }
}

void NumberList::setVisible(bool visible)
{
    // Hand the keyboard back before hiding, or Qt would leave it with the hidden list (or, in
    // a window that is not active, hand it to the first button when the window is next active).
    if (!visible && (hasFocus() || window()->focusWidget() == this)) {
        QWidget* back = m_focusBefore;
        if (back == nullptr || back == this || back->isHidden())
            back = window();
        back->setFocus(Qt::OtherFocusReason);
    }
    const bool was = !isHidden();
    if (!visible)
        m_pointed = 0;
    QListWidget::setVisible(visible);
    if (was != visible)
        noteVisibility(this, true);
}

// Qt's list tells assistive technology of every new current item and selection, shown or not,
// focused or not; the reader would then speak the hidden list, or take an item of a list the
// pointer opened for the focus. Only the list with the keyboard tells it.
void NumberList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (!hasFocus())
        QAbstractItemView::currentChanged(current, previous);
    else
        QListWidget::currentChanged(current, previous);
}

void NumberList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (!hasFocus())
        QAbstractItemView::selectionChanged(selected, deselected);
    else
        QListWidget::selectionChanged(selected, deselected);
}

void NumberList::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier)
        event->ignore(); // the window's size, not the list's scrolling
    else
        QListWidget::wheelEvent(event);
}

// Only the left button presses, selects and picks; another leaves the selection and the scrolling
// as they were (Qt's list would select the row under any button).
void NumberList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    m_pressed = true;
    m_rowBefore = selectedItems().isEmpty() ? -1 : row(selectedItems().front());
    m_currentBefore = currentRow();
    m_scrollBefore = verticalScrollBar()->value();
    OwnChange own(*this);
    QListWidget::mousePressEvent(event);
}

void NumberList::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    OwnChange own(*this);
    QListWidget::mouseDoubleClickEvent(event);
}

void NumberList::mouseMoveEvent(QMouseEvent* event)
{
    OwnChange own(*this);
    QListWidget::mouseMoveEvent(event);
}

// A pick is the item under the release, wherever the press began; a release outside the list
// picks nothing and puts back the selection and the scrolling a drag may have changed.
void NumberList::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    {
        OwnChange own(*this);
        QListWidget::mouseReleaseEvent(event);
    }
    if (!m_pressed)
        return;
    m_pressed = false;
    const QPoint at = event->position().toPoint();
    QListWidgetItem* under = viewport()->rect().contains(at) ? itemAt(at) : nullptr;
    OwnChange own(*this);
    if (under == nullptr) {
        clearSelection();
        setCurrentRow(m_currentBefore, QItemSelectionModel::NoUpdate);
        if (m_rowBefore >= 0)
            item(m_rowBefore)->setSelected(true);
        verticalScrollBar()->setValue(m_scrollBefore);
        return;
    }
    setCurrentItem(under, QItemSelectionModel::ClearAndSelect);
    pickIfSelected();
}

void NumberList::pickIfSelected()
{
    if (!selectedText().isEmpty() && m_pick)
        m_pick();
}

} // namespace zarvona

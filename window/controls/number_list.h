// The pop-up number list: the items "1" to "100", right to left with the scroll bar on the
// left, a flat one-pixel border, a fixed number of rows. A pick (a click on an item, or the
// keyboard moving the selection or confirming it, a press released over an item after a drag,
// assistive technology selecting an item) is reported once per pick, and only while an item is
// selected. Pointer movement over the open list stops here: it never reaches the window beneath,
// whose handler would close the list. The list takes the keyboard focus only when the keyboard
// asks for it, and gives it back when it hides: a hidden list takes no keys, and tells assistive
// technology nothing.
#pragma once

#include "ui/form_definition.h"
#include "window/controls/control_properties.h"

#include <QListWidget>

#include <QPointer>

#include <functional>

namespace zarvona {

class NumberList final : public QListWidget, public ControlProperties {
  public:
    NumberList(const ControlDefinition& definition, QWidget* parent);

    void onPick(std::function<void()> pick) { m_pick = std::move(pick); }
    // Told when the pointer comes onto an item of the open list.
    void onPoint(std::function<void()> point) { m_point = std::move(point); }
    // The number of the item under the pointer, 0 while the list is closed or none is.
    int pointedNumber() const { return isHidden() ? 0 : m_pointed; }

    // The selected item's text, empty when none is selected.
    QString selectedText() const;

    // The model's Text: the selected item's text, empty when none is selected.
    std::u16string text() const override { return selectedText().toStdU16String(); }
    Colour foreColor() const override { return m_colour; }
    void setForeColor(Colour colour) override;

    // Selects the number's item and scrolls it into view, without picking it.
    void selectNumber(int number);
    // Picks the selected item; with none selected, the one under the keyboard cursor, if any.
    void confirm();
    // Takes the keyboard focus; the list gives it back to where it was when it hides.
    void takeFocus();

    void setVisible(bool visible) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Without the keyboard, the list's current item and selection are not news to anyone.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

  private:
    // Selection changes the list makes itself, which are picks only where the list says so;
    // any other change (assistive technology selecting an item) is a pick.
    class OwnChange;

    void pickIfSelected();

    Colour m_colour;
    std::function<void()> m_pick;
    std::function<void()> m_point;
    int m_pointed = 0;
    int m_ownChanges = 0;
    // A left-button press on an item, and how the list was before it.
    bool m_pressed = false;
    int m_rowBefore = -1;
    int m_currentBefore = -1;
    int m_scrollBefore = 0;
    QPointer<QWidget> m_focusBefore;
};

} // namespace zarvona

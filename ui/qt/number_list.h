// The pop-up number list: the items "1" to "100", right to left with the scroll bar on the
// left, a flat one-pixel border, a fixed number of rows. A pick (a click on an item, or the
// keyboard moving the selection or confirming it) is reported once per pick, and only while an
// item is selected. Pointer movement over the open list stops here: it never reaches the window
// beneath, whose handler would close the list.
#pragma once

#include "ui/form_definition.h"

#include <QListWidget>

#include <functional>

namespace zarvona {

class NumberList final : public QListWidget {
  public:
    NumberList(const ControlDefinition& definition, QWidget* parent);

    void onPick(std::function<void()> pick) { m_pick = std::move(pick); }

    // The selected item's text, empty when none is selected.
    QString selectedText() const;

    Colour foreColor() const { return m_colour; }
    void setForeColor(Colour colour);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void pickIfSelected();

    Colour m_colour;
    std::function<void()> m_pick;
};

} // namespace zarvona

// An image control: paints the picture object it holds at its top-left corner, unstretched, and
// nothing when it holds none.
#pragma once

#include "window/controls/control_widget.h"

namespace zarvona {

class PictureBox final : public ControlWidget {
  public:
    PictureBox(const ControlDefinition& definition, ControlEvents& events, QWidget* parent);

    PictureRef picture() const override { return m_picture; }
    void setPicture(PictureRef picture) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PictureRef m_picture;
};

} // namespace zarvona

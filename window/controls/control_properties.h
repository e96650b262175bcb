// What the control model asks of a control's widget, beside its visibility (the widget's own):
// its caption, its colour, its picture and, for the list, the selected item's text. Each control
// widget answers for the properties its control has; any other raises run-time error 438, as
// the defaults here do. The form forwards to this and never asks what kind of widget it holds.
#pragma once

#include "ui/form.h"

#include <string>
#include <string_view>

namespace zarvona {

class ControlProperties {
  public:
    virtual ~ControlProperties() = default;

    virtual std::u16string caption() const;
    virtual void setCaption(std::u16string_view caption);
    virtual Colour foreColor() const;
    virtual void setForeColor(Colour colour);
    virtual PictureRef picture() const;
    virtual void setPicture(PictureRef picture);
    virtual std::u16string text() const;
};

} // namespace zarvona

#include "window/controls/control_properties.h"

#include "ui/runtime_error.h"

namespace zarvona {

std::u16string ControlProperties::caption() const { throw RuntimeError::notSupported(); }

void ControlProperties::setCaption(std::u16string_view) { throw RuntimeError::notSupported(); }

Colour ControlProperties::foreColor() const { throw RuntimeError::notSupported(); }

void ControlProperties::setForeColor(Colour) { throw RuntimeError::notSupported(); }

PictureRef ControlProperties::picture() const { throw RuntimeError::notSupported(); }

void ControlProperties::setPicture(PictureRef) { throw RuntimeError::notSupported(); }

std::u16string ControlProperties::text() const { throw RuntimeError::notSupported(); }

} // namespace zarvona

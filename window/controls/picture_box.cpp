#include "window/controls/picture_box.h"

#include "window/graphics/qt_picture.h"

#include <QPainter>

namespace zarvona {

PictureBox::PictureBox(const ControlDefinition& definition, ControlEvents& events, QWidget* parent)
    : ControlWidget(definition, events, parent)
{
}

void PictureBox::setPicture(PictureRef picture)
{
    if (picture == m_picture)
        return;
    m_picture = std::move(picture);
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    const auto* picture = dynamic_cast<const QtPicture*>(m_picture.get());
    if (picture == nullptr)
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture->pixmapFor(devicePixelRatioF()));
}

} // namespace zarvona

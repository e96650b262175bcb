#include "ui/qt/picture_box.h"

#include "ui/qt/qt_form.h"

#include <QPainter>

namespace zarvona {

PictureBox::PictureBox(Control control, QtForm& form, QWidget* parent)
    : ControlWidget(control, form, parent)
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
    painter.drawPixmap(0, 0, picture->pixmap());
}

} // namespace zarvona

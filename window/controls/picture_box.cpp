#include "window/controls/picture_box.h"

#include "window/graphics/dib_image.h"
#include "window/form/qt_form.h"

#include <QFile>
#include <QPainter>

namespace zarvona {

const QPixmap& QtPicture::pixmapFor(qreal devicePixelRatio) const
{
    if (devicePixelRatio < 1.5 || m_sharperSource.isEmpty())
        return m_pixmap;
    if (m_sharper.isNull()) {
        QFile file(m_sharperSource);
        const QImage image = file.open(QIODevice::ReadOnly) ? decodeBmp(file.readAll()) : QImage();
        if (image.size() != m_pixmap.size() * 2)
            return m_pixmap; // a damaged variant: the picture itself is still right
        m_sharper = QPixmap::fromImage(image);
        m_sharper.setDevicePixelRatio(2);
    }
    return m_sharper;
}

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
    painter.drawPixmap(0, 0, picture->pixmapFor(devicePixelRatioF()));
}

} // namespace zarvona

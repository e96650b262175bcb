#include "window/graphics/qt_picture.h"

#include "window/graphics/dib_image.h"

#include <QFile>

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

} // namespace zarvona

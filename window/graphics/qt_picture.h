// A picture object of the real window: the pixmap the model's Picture property holds, with a
// double-resolution variant for screens that have more device pixels to a pixel.
#pragma once

#include "ui/form.h"

#include <QPixmap>
#include <QString>

namespace zarvona {

class QtPicture final : public Picture {
  public:
    // sharper: the resource holding the same picture drawn at twice the resolution, if any.
    explicit QtPicture(QPixmap pixmap, QString sharper = {})
        : m_pixmap(std::move(pixmap)), m_sharperSource(std::move(sharper))
    {
    }
    const QPixmap& pixmap() const { return m_pixmap; }
    // What to paint on a screen with this many device pixels to a pixel: from 1.5 up, the
    // double-resolution variant (decoded when first needed), else the picture itself.
    const QPixmap& pixmapFor(qreal devicePixelRatio) const;

  private:
    QPixmap m_pixmap;
    QString m_sharperSource;
    mutable QPixmap m_sharper;
};

} // namespace zarvona

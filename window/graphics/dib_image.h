// Decodes the device-independent bitmaps the program carries, straight into QImages: the
// 8-bit run-length-encoded pictures of the reveal button (a .bmp file) and the 4-bit icon with
// its transparency mask (a .ico file, which only an image plug-in of Qt's reads). Qt's BMP
// reader is built in, but asking QImageReader for any file first looks through the list of every
// image plug-in, which start-up is spared; this reads just these two forms and rejects anything
// else with a null image.
#pragma once

#include <QByteArray>
#include <QImage>

namespace zarvona {

// A .bmp file holding an 8-bit BI_RLE8 or uncompressed bitmap.
QImage decodeBmp(const QByteArray& file);

// The first image of a .ico file: 4 or 8 bits per pixel with its AND mask, as ARGB.
QImage decodeIcon(const QByteArray& file);

} // namespace zarvona

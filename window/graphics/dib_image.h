// Decodes the device-independent bitmaps the program carries, straight into QImages: the
// 8-bit run-length-encoded pictures of the reveal button (a .bmp file) and the 4-bit icon with
// its transparency mask (a .ico file). Qt's own image reader would load every image plug-in at
// start-up to find out what it already knows; this reads just these two forms and rejects
// anything else with a null image.
#pragma once

#include <QByteArray>
#include <QImage>

namespace zarvona {

// A .bmp file holding an 8-bit BI_RLE8 or uncompressed bitmap.
QImage decodeBmp(const QByteArray& file);

// The first image of a .ico file: 4 or 8 bits per pixel with its AND mask, as ARGB.
QImage decodeIcon(const QByteArray& file);

} // namespace zarvona

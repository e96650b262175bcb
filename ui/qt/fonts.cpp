#include "ui/qt/fonts.h"

#include <cmath>

namespace zarvona {

QStringList familiesFor(std::string_view face)
{
#ifdef Q_OS_WIN
    if (face == "MS Sans Serif")
        return {QStringLiteral("MS Shell Dlg 2")};
    return {QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()))};
#else
    if (face == "Simplified Arabic")
        return {QStringLiteral("Amiri")};
    if (face == "Tahoma") // Noto Sans Arabic has no brackets or signs: Noto Sans supplies them
        return {QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Sans")};
    return {QStringLiteral("Noto Sans")};
#endif
}

int pixelSizeOf(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont fontFor(const FontSpec& spec)
{
    QFont font;
    font.setFamilies(familiesFor(spec.face));
    font.setPixelSize(pixelSizeOf(spec.points));
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    return font;
}

} // namespace zarvona

#include "ui/qt/fonts.h"

#include <cmath>

namespace zarvona {

QStringList familiesFor(std::string_view face, bool arabicText)
{
#ifdef Q_OS_WIN
    (void)arabicText;
    if (face == "MS Sans Serif")
        return {QStringLiteral("MS Shell Dlg 2")};
    return {QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()))};
#else
    if (face == "Simplified Arabic")
        return {QStringLiteral("Amiri")};
    if (face == "Tahoma" && arabicText) // Noto Sans supplies the brackets and signs it lacks
        return {QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Sans")};
    return {QStringLiteral("Noto Sans")}; // digits alone, and the number list
#endif
}

int pixelSizeOf(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont fontFor(const FontSpec& wanted, bool arabicText)
{
    QFont font;
    const QStringList families = familiesFor(wanted.face, arabicText);
    font.setFamilies(families);
    font.setPixelSize(pixelSizeOf(wanted.points));
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    // A face that has every character needed is asked for alone, sparing a fallback search.
    if (families.size() == 1)
        font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace zarvona

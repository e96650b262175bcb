#include "window/graphics/fonts.h"

#include <QDir>
#include <QFontDatabase>

#include <cmath>

namespace zarvona {

QStringList familiesFor(std::string_view face, bool arabicText)
{
    if (face == "Simplified Arabic")
        return {QStringLiteral("Amiri")};
    if (face == "Tahoma" && arabicText) // Noto Sans supplies the brackets and signs it lacks
        return {QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Sans")};
    return {QStringLiteral("Noto Sans")}; // digits alone, and the number list
}

int registerFacesIn(const QString& folder)
{
    const QDir faces(folder);
    if (!faces.exists())
        return 0;
    int registered = 0;
    const QStringList files =
        faces.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files);
    for (const QString& file : files)
        if (QFontDatabase::addApplicationFont(faces.filePath(file)) >= 0)
            ++registered;
    return registered;
}

int pixelSizeOf(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont pinnedFont(const QStringList& families, int pixelSize, int weight)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    // Hinted up and down only, as Debian's fontconfig hints by default, so that the faces are
    // drawn alike where Qt's own font engine draws them (FreeType on Windows).
    font.setHintingPreference(QFont::PreferVerticalHinting);
    // A single pinned face holds every character it is asked for, so it is asked for alone,
    // sparing a fallback search; if it is missing, the fallbacks must stay, or Arabic would
    // come out as boxes in whatever face stands in.
    if (families.size() == 1 && QFontDatabase::hasFamily(families.front()))
        font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont fontFor(const FontSpec& wanted, bool arabicText)
{
    return pinnedFont(familiesFor(wanted.face, arabicText), pixelSizeOf(wanted.points),
                      wanted.weight);
}

} // namespace zarvona

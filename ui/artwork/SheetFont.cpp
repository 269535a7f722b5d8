#include "ui/artwork/SheetFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The families of preferred that are installed, in their order (all of them when none is). Qt picks the same font
// from either list, but each family it is asked for and lacks costs it a search through every installed font: on
// Linux, where the Windows fonts named first are missing, a millisecond or more of the start-up.
QStringList InstalledFamilies(const QStringList& preferred) {
    const QStringList installed = QFontDatabase::families();
    QStringList found;
    for (const QString& family : preferred) {
        if (installed.contains(family, Qt::CaseInsensitive))
            found.append(family);
    }
    return found.isEmpty() ? preferred : found;
}

} // namespace

QFont SheetFont() {
    QFont font;
    font.setFamilies(
        InstalledFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                           QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")}));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    // Hinted fully, as Windows draws it; FreeType's light hinting, the usual Linux default, also cost the start-up a
    // little more.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

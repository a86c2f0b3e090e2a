#include "fonts.h"

#include <app/font_families.h>

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace app::qt {

void registerFontSubstitutes()
{
    for (const FontFamilies& families : fontFamilies) {
        QStringList installed;
        for (const std::string_view standIn : families.standIns) {
            const QString family = QString::fromUtf8(standIn.data(), qsizetype(standIn.size()));
            // Asking one family is cheap; listing every family of a writing system is not.
            if (QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese))
                installed << family;
        }
        const QString face = QString::fromUtf8(families.face.data(), qsizetype(families.face.size()));
        QFont::removeSubstitutions(face);
        QFont::insertSubstitutions(face, installed);
    }
}

QFont toQFont(const FontDescription& description)
{
    QFont font(QFont::substitute(QString::fromUtf8(description.face.data(), qsizetype(description.face.size()))));
    font.setPointSizeF(description.points);
    font.setWeight(description.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(description.italic);
    return font;
}

}  // namespace app::qt

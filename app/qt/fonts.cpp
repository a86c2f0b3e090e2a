#include "fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <array>

namespace app::qt {
namespace {

struct Substitution {
    const char* face;
    std::array<const char*, 3> candidates;
};

// Hei is a sans-serif style, Song a serif one; 微软雅黑 is a Hei face too.
constexpr std::array substitutions{
    Substitution{"黑体", {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Zen Hei"}},
    Substitution{"微软雅黑", {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Zen Hei"}},
    Substitution{"宋体", {"Noto Serif CJK SC", "Source Han Serif SC", "AR PL UMing CN"}},
};

}  // namespace

void registerFontSubstitutes()
{
    for (const Substitution& substitution : substitutions) {
        QStringList installed;
        for (const char* candidate : substitution.candidates) {
            const QString family = QString::fromUtf8(candidate);
            // Asking one family is cheap; listing every family of a writing system is not.
            if (QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese))
                installed << family;
        }
        const QString face = QString::fromUtf8(substitution.face);
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

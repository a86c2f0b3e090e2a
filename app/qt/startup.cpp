#include "startup.h"

#include "font_configuration_preload.h"
#include "fonts.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

namespace app::qt {
namespace {

void loadQtTranslations(QApplication& application, const QLocale& locale)
{
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : {"qtbase", "qt"}) {
        auto* translator = new QTranslator(&application);
        if (translator->load(locale, QString::fromLatin1(catalogue), QStringLiteral("_"), directory)) {
            QApplication::installTranslator(translator);
            return;
        }
        delete translator;
    }
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QIcon applicationIcon(const ProgramIdentity& identity)
{
    QIcon icon;
    for (const std::string_view file : identity.windowIcons) {
        const QString path = fromUtf8(file);
        if (!QFile::exists(path))
            continue;
        // Told the format and not to guess, Qt reads its built-in PNG format
        // instead of loading every image plugin to ask it first.
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

void prepareIdentity(QApplication& application, const ProgramIdentity& identity)
{
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    QLocale::setDefault(chinese);
    loadQtTranslations(application, chinese);
    QApplication::setApplicationName(fromUtf8(identity.name));
    QApplication::setApplicationVersion(fromUtf8(identity.version));
    // Docks match the window to the desktop entry, and so to its icon, by this
    // name on Wayland and by the application name (the window class) on X11.
    QApplication::setDesktopFileName(fromUtf8(identity.applicationId));
    QApplication::setWindowIcon(applicationIcon(identity));
}

void prepareFonts()
{
    registerFontSubstitutes();
    // Message boxes and error reports speak in the windows' face too, and no
    // widget lays out text in a face no window uses.
    QApplication::setFont(toQFont(windowDefaultFont));
}

}  // namespace

void prepareApplication(QApplication& application, const ProgramIdentity& identity)
{
    prepareIdentity(application, identity);
    prepareFonts();
}

void prepareApplication(QApplication& application, const ProgramIdentity& identity,
                        FontConfigurationPreload& fontConfiguration)
{
    prepareIdentity(application, identity);
    fontConfiguration.wait();
    prepareFonts();
}

}  // namespace app::qt

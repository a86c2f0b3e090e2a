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

QIcon applicationIcon()
{
    QIcon icon;
    for (const char* file : {":/icons/tarvo-16.png", ":/icons/tarvo-32.png"}) {
        const QString path = QString::fromLatin1(file);
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

void prepareIdentity(QApplication& application)
{
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    QLocale::setDefault(chinese);
    loadQtTranslations(application, chinese);
    QApplication::setApplicationName(QStringLiteral("Tarvo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION_TEXT));
    // Docks match the window to the desktop entry, and so to its icon, by this
    // name on Wayland and by the application name (the window class) on X11.
    QApplication::setDesktopFileName(QStringLiteral(TARVO_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
}

void prepareFonts()
{
    registerFontSubstitutes();
    // Message boxes and error reports speak in the windows' face too, and no
    // widget lays out text in a face no window uses.
    QApplication::setFont(toQFont(windowDefaultFont));
}

}  // namespace

void prepareApplication(QApplication& application)
{
    prepareIdentity(application);
    prepareFonts();
}

void prepareApplication(QApplication& application, FontConfigurationPreload& fontConfiguration)
{
    prepareIdentity(application);
    fontConfiguration.wait();
    prepareFonts();
}

}  // namespace app::qt

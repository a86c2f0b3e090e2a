#include "startup.h"

#include "fonts.h"

#include <ui/main/form1.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {
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
        if (QFile::exists(path))
            icon.addFile(path);
    }
    return icon;
}

}  // namespace

void prepareApplication(QApplication& application)
{
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    QLocale::setDefault(chinese);
    loadQtTranslations(application, chinese);
    QApplication::setApplicationName(QStringLiteral("Tarvo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION_TEXT));
    QApplication::setWindowIcon(applicationIcon());
    registerFontSubstitutes();
}

RuntimeWindow& showStartupWindow()
{
    return ui::main::showForm1();
}

}  // namespace app

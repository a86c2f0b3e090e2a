// Preparing the application: with the font configuration read ahead on a
// second thread, as the program does, or not, every step is taken, no image
// plugin is loaded for the icon, and message boxes speak in the windows' face.
#include <app/qt/font_configuration_preload.h>
#include <app/qt/fonts.h>
#include <app/qt/startup.h>
#include <program/identity.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTranslator>

#include <link.h>

namespace {

struct Prepared {
    QString locale;
    QString name;
    QString version;
    QList<QSize> iconSizes;
    QStringList songSubstitutes;
    QStringList heiSubstitutes;
    QStringList yaheiSubstitutes;
    QString applicationFontFamily;
    double applicationFontPoints;
    QString desktopFileName;
    QString undoText;  // from Qt's own catalogue once its translation is installed

    bool operator==(const Prepared&) const = default;
};

Prepared snapshot()
{
    return {QLocale().name(),
            QApplication::applicationName(),
            QApplication::applicationVersion(),
            QApplication::windowIcon().availableSizes(),
            QFont::substitutes(QStringLiteral("宋体")),
            QFont::substitutes(QStringLiteral("黑体")),
            QFont::substitutes(QStringLiteral("微软雅黑")),
            QApplication::font().family(),
            QApplication::font().pointSizeF(),
            QGuiApplication::desktopFileName(),
            QCoreApplication::translate("QLineEdit", "&Undo")};
}

// Undoes every step of preparing, so that each path is seen on its own.
void unprepare(QApplication& application)
{
    QLocale::setDefault(QLocale::c());
    for (QTranslator* translator : application.findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QApplication::setApplicationName({});
    QApplication::setApplicationVersion({});
    QApplication::setWindowIcon({});
    for (const char* face : {"宋体", "黑体", "微软雅黑"})
        QFont::removeSubstitutions(QString::fromUtf8(face));
    QApplication::setFont(QFont());
    QGuiApplication::setDesktopFileName({});
}

QStringList loadedImagePlugins()
{
    QStringList plugins;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            const QString path = QString::fromLocal8Bit(info->dlpi_name);
            if (path.contains(QStringLiteral("/imageformats/")))
                static_cast<QStringList*>(found)->append(path);
            return 0;
        },
        &plugins);
    return plugins;
}

QApplication& application()
{
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void bothPathsTakeEveryStep();
    void messageBoxesUseTheWindowsFace();
    void preloadEndsCleanlyWhetherAwaitedOrNot();
    void docksFindTheDesktopEntry();
};

void StartupTest::bothPathsTakeEveryStep()
{
    unprepare(application());
    const Prepared unprepared = snapshot();
    app::qt::prepareApplication(application(), program::identity);
    const Prepared plain = snapshot();
    QCOMPARE(loadedImagePlugins(), QStringList());

    unprepare(application());
    app::qt::FontConfigurationPreload preload;
    app::qt::prepareApplication(application(), program::identity, preload);
    QCOMPARE(snapshot(), plain);

    QCOMPARE(plain.locale, QStringLiteral("zh_CN"));
    QCOMPARE(plain.name, QStringLiteral("Tarvo"));
    QCOMPARE(plain.version, QStringLiteral("1.01"));
    QCOMPARE(plain.iconSizes, (QList<QSize>{{16, 16}, {32, 32}}));
    QCOMPARE(plain.songSubstitutes.value(0), QStringLiteral("noto serif cjk sc"));  // Qt keeps them lower-case
    QCOMPARE(plain.heiSubstitutes.value(0), QStringLiteral("noto sans cjk sc"));
    QCOMPARE(plain.yaheiSubstitutes.value(0), QStringLiteral("noto sans cjk sc"));
    QCOMPARE(plain.applicationFontFamily, plain.songSubstitutes.value(0));
    QCOMPARE(plain.applicationFontPoints, 9.0);
    QVERIFY(!plain.desktopFileName.isEmpty());
    QVERIFY(plain.undoText != unprepared.undoText);
}

void StartupTest::messageBoxesUseTheWindowsFace()
{
    app::qt::prepareApplication(application(), program::identity);
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tarvo"), QStringLiteral("提示"));
    const QFont expected = app::qt::toQFont(app::windowDefaultFont);
    QCOMPARE(QFontInfo(box.font()).family(), QFontInfo(expected).family());
    QCOMPARE(box.font().pointSizeF(), expected.pointSizeF());
}

void StartupTest::preloadEndsCleanlyWhetherAwaitedOrNot()
{
    {
        app::qt::FontConfigurationPreload neverAwaited;
    }
    app::qt::FontConfigurationPreload awaitedTwice;
    awaitedTwice.wait();
    awaitedTwice.wait();
}

// Wayland docks match windows to the desktop file name, X11 docks to the
// window class, which Qt takes from the application name.
void StartupTest::docksFindTheDesktopEntry()
{
    app::qt::prepareApplication(application(), program::identity);
    QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"),
             QFileInfo(QStringLiteral(TARVO_DESKTOP_FILE)).fileName());
    QFile entry(QStringLiteral(TARVO_DESKTOP_FILE));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("StartupWMClass=") + QApplication::applicationName()));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"

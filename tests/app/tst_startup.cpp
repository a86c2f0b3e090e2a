// Preparing the application: with the font configuration read ahead on a
// second thread or not, the program ends up the same, and message boxes speak
// in the windows' face.
#include <app/font_configuration_preload.h>
#include <app/fonts.h>
#include <app/startup.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTest>

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
            QApplication::font().pointSizeF()};
}

QApplication& application()
{
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void preloadChangesNothingButTheThread();
    void messageBoxesUseTheWindowsFace();
    void preloadEndsCleanlyWhetherAwaitedOrNot();
    void docksFindTheDesktopEntry();
};

void StartupTest::preloadChangesNothingButTheThread()
{
    app::prepareApplication(application());
    const Prepared plain = snapshot();

    app::FontConfigurationPreload preload;
    app::prepareApplication(application(), preload);
    QCOMPARE(snapshot(), plain);
    QCOMPARE(plain.locale, QStringLiteral("zh_CN"));
}

void StartupTest::messageBoxesUseTheWindowsFace()
{
    app::prepareApplication(application());
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tarvo"), QStringLiteral("提示"));
    const QFont expected = app::toQFont(app::windowDefaultFont);
    QCOMPARE(QFontInfo(box.font()).family(), QFontInfo(expected).family());
    QCOMPARE(box.font().pointSizeF(), expected.pointSizeF());
}

void StartupTest::preloadEndsCleanlyWhetherAwaitedOrNot()
{
    { app::FontConfigurationPreload neverAwaited; }
    app::FontConfigurationPreload awaitedTwice;
    awaitedTwice.wait();
    awaitedTwice.wait();
}

// Wayland docks match windows to the desktop file name, X11 docks to the
// window class, which Qt takes from the application name.
void StartupTest::docksFindTheDesktopEntry()
{
    app::prepareApplication(application());
    QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"),
             QFileInfo(QStringLiteral(TARVO_DESKTOP_FILE)).fileName());
    QFile entry(QStringLiteral(TARVO_DESKTOP_FILE));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("StartupWMClass=") + QApplication::applicationName()));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"

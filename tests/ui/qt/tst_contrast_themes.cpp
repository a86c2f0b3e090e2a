// The windows under a contrast theme's palette, set while they are open: every
// label, box and button legible, the coloured slots distinct from the face.
#include <tests/support/contrast_themes.h>

#include <app/qt/startup.h>
#include <program/identity.h>
#include <program/qt/qt_program.h>
#include <ui/info/form2.h>
#include <ui/info/form3.h>
#include <ui/main/form1_description.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using namespace ui::main::form1;

QColor qColour(app::Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// The palette of a Windows desktop with this scheme.
QPalette paletteOf(const tests::ContrastTheme& theme)
{
    QPalette palette(qColour(theme["WindowText"]), qColour(theme["ButtonFace"]), qColour(theme["ButtonHilight"]),
                     qColour(theme["ButtonShadow"]), qColour(theme["ButtonShadow"]), qColour(theme["WindowText"]),
                     qColour(theme["HilightText"]), qColour(theme["Window"]), qColour(theme["ButtonFace"]));
    palette.setColor(QPalette::ButtonText, qColour(theme["ButtonText"]));
    palette.setColor(QPalette::Highlight, qColour(theme["Hilight"]));
    palette.setColor(QPalette::HighlightedText, qColour(theme["HilightText"]));
    return palette;
}

}  // namespace

class ContrastThemesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void everyControlIsLegible_data();
    void everyControlIsLegible();
};

void ContrastThemesTest::initTestCase()
{
    app::qt::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()), program::identity);
}

void ContrastThemesTest::cleanup()
{
    QApplication::setPalette(QPalette());
}

void ContrastThemesTest::everyControlIsLegible_data()
{
    QTest::addColumn<int>("theme");
    for (std::size_t i = 0; i < tests::contrastThemes.size(); ++i)
        QTest::newRow(tests::contrastThemes[i].name.data()) << int(i);
}

void ContrastThemesTest::everyControlIsLegible()
{
    QFETCH(int, theme);
    const tests::ContrastTheme& colours = tests::contrastThemes[std::size_t(theme)];
    program::QtProgram tarvo;
    app::qt::QtWindow& form = tarvo.start();
    QVERIFY(QTest::qWaitForWindowExposed(&form.widget()));
    form.textBox(Text1).setText(QStringLiteral("1"));
    form.textBox(Text3).setText(QStringLiteral("-2"));
    QTest::mouseClick(&form.button(Command1), Qt::LeftButton);
    QTest::mouseClick(&form.button(Command2), Qt::LeftButton);
    QTest::mouseClick(&form.button(Command4), Qt::LeftButton);
    QApplication::setPalette(paletteOf(colours));
    QCoreApplication::processEvents();

    for (const app::WindowDescription* window :
         {&ui::main::form1Description, &ui::info::form2Description, &ui::info::form3Description}) {
        const QImage image = tarvo.openWindow(window->name)->widget().grab().toImage();
        const double pixelsPerTwip = image.devicePixelRatio() / app::twipsPerPixel;
        const auto pixelAt = [&](int x, int y) {
            const QRgb pixel = image.pixel(x, y);
            return app::Rgb{std::uint8_t(qRed(pixel)), std::uint8_t(qGreen(pixel)), std::uint8_t(qBlue(pixel))};
        };
        const std::string illegible = tests::illegibleControls(*window, colours, pixelsPerTwip, pixelAt);
        QVERIFY2(illegible.empty(), illegible.c_str());
    }
}

QTEST_MAIN(ContrastThemesTest)
#include "tst_contrast_themes.moc"

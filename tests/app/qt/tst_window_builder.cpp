// The rules by which a description becomes widgets.
#include <tests/support/qt/standalone_window.h>

#include <app/qt/fonts.h>
#include <app/qt/window_builder.h>

#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <stdexcept>
#include <utility>

using app::ControlKind;

namespace {

constexpr app::FontDescription bigFont{.face = "黑体", .points = 21.75, .bold = true};

// A window of every kind of control, with overlaps and a long caption.
constexpr std::array controls{
    app::ControlDescription{
        .kind = ControlKind::Label, .name = "Plain", .text = "x", .left = 0, .top = 0, .width = 600, .height = 300},
    app::ControlDescription{.kind = ControlKind::Label,
                            .name = "Grey",
                            .text = "",
                            .left = 600,
                            .top = 0,
                            .width = 600,
                            .height = 300,
                            .backColour = app::Rgb{192, 192, 192}},
    app::ControlDescription{.kind = ControlKind::Button,
                            .name = "Button",
                            .text = "按钮",
                            .left = 0,
                            .top = 600,
                            .width = 1500,
                            .height = 450,
                            .focusOrder = 1},
    // Created after the button and overlapping it: must still lie beneath.
    app::ControlDescription{.kind = ControlKind::Label,
                            .name = "Over",
                            .text = "",
                            .left = 750,
                            .top = 750,
                            .width = 1500,
                            .height = 450,
                            .backColour = app::Rgb{0, 255, 255}},
    app::ControlDescription{.kind = ControlKind::TextBox,
                            .name = "Box",
                            .text = "0",
                            .left = 0,
                            .top = 1200,
                            .width = 855,
                            .height = 615,
                            .font = bigFont,
                            .maxLength = 3,
                            .focusOrder = 0},
    app::ControlDescription{.kind = ControlKind::Label,
                            .name = "Long",
                            .text = "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW",
                            .left = 1500,
                            .top = 1500,
                            .width = 600,
                            .height = 255},
};

constexpr app::WindowDescription description{
    .name = "Sample", .caption = "样例", .clientWidth = 4500, .clientHeight = 3000, .controls = controls};

QColor pixelAt(QWidget& window, QPoint point)
{
    return window.grab().toImage().pixelColor(point);
}

}  // namespace

class WindowBuilderTest : public QObject {
    Q_OBJECT
private slots:
    void twipsRoundToPixels_data();
    void twipsRoundToPixels();
    void controlsSitAtTheirPixelGeometry();
    void windowKeepsItsClientSize();
    void labelsAreOpaqueInTheirColour_data();
    void labelsAreOpaqueInTheirColour();
    void colouredLabelsStayReadableInADarkTheme();
    void labelsClipAndNeverGrow();
    void labelsLieBeneathButtonsAndBoxes();
    void enterClicksOnlyTheFocusedButton();
    void tablesWithoutNamesOrWithTwinsAreRefused_data();
    void tablesWithoutNamesOrWithTwinsAreRefused();
    void anUnknownNameIsNotFound();
    void fontsNameTheFamilyThatDrawsThem();
};

void WindowBuilderTest::twipsRoundToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("below half") << 7 << 0;
    QTest::newRow("half and more") << 8 << 1;
    QTest::newRow("main window width") << 9150 << 610;
    QTest::newRow("main window height") << 4785 << 319;
    QTest::newRow("odd size") << 1095 << 73;
}

void WindowBuilderTest::twipsRoundToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(app::qt::twipsToPixels(twips), pixels);
}

void WindowBuilderTest::controlsSitAtTheirPixelGeometry()
{
    const auto built = tests::standaloneWindow(description);
    app::qt::QtWindow& window = *built;
    QCOMPARE(window.control("Button").geometry(), QRect(0, 40, 100, 30));
    QCOMPARE(window.control("Box").geometry(), QRect(0, 80, 57, 41));
    QCOMPARE(window.control("Long").geometry(), QRect(100, 100, 40, 17));
}

void WindowBuilderTest::windowKeepsItsClientSize()
{
    const auto built = tests::standaloneWindow(description);
    app::qt::QtWindow& window = *built;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.widget()));
    window.widget().resize(900, 700);
    QCOMPARE(window.widget().size(), QSize(300, 200));
    QCOMPARE(window.widget().minimumSize(), window.widget().maximumSize());
}

void WindowBuilderTest::labelsAreOpaqueInTheirColour_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    const QColor face = QApplication::palette().color(QPalette::Window);
    QTest::newRow("face colour without one of its own") << "Plain" << QPoint(35, 15) << face;
    QTest::newRow("given colour") << "Grey" << QPoint(70, 15) << QColor(192, 192, 192);
    QTest::newRow("given colour over a button") << "Over" << QPoint(140, 75) << QColor(0, 255, 255);
}

void WindowBuilderTest::labelsAreOpaqueInTheirColour()
{
    QFETCH(QString, label);
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    const auto built = tests::standaloneWindow(description);
    app::qt::QtWindow& window = *built;
    QWidget underlay(&window.widget());  // red wherever a control lets it show through
    underlay.setGeometry(window.widget().rect());
    underlay.setAutoFillBackground(true);
    QPalette red = underlay.palette();
    red.setColor(QPalette::Window, Qt::red);
    underlay.setPalette(red);
    underlay.lower();
    QCOMPARE(pixelAt(window.widget(), point), colour);
}

void WindowBuilderTest::colouredLabelsStayReadableInADarkTheme()
{
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    QApplication::setPalette(dark);
    {
        const auto built = tests::standaloneWindow(description);
        app::qt::QtWindow& window = *built;
        const QPalette grey = window.control("Grey").palette();
        QCOMPARE(grey.color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(grey.color(QPalette::WindowText).lightness() < 64);
        QCOMPARE(window.control("Plain").palette().color(QPalette::Window), QColor(30, 30, 30));
    }
    QApplication::setPalette(original);
}

void WindowBuilderTest::labelsClipAndNeverGrow()
{
    const auto built = tests::standaloneWindow(description);
    app::qt::QtWindow& window = *built;
    const QColor face = QApplication::palette().color(QPalette::Window);
    auto& label = static_cast<QLabel&>(window.control("Long"));
    label.setText(QString(200, QLatin1Char('W')) + QStringLiteral(" 长长的一行文字").repeated(10));
    QCOMPARE(label.geometry(), QRect(100, 100, 40, 17));
    const QImage image = window.widget().grab().toImage();
    for (int x = 141; x < 180; x += 3)  // right of the label: untouched
        QCOMPARE(image.pixelColor(x, 105), face);
    for (int x = 100; x < 140; x += 3)  // below it
        QCOMPARE(image.pixelColor(x, 118), face);
}

void WindowBuilderTest::labelsLieBeneathButtonsAndBoxes()
{
    const auto built = tests::standaloneWindow(description);
    app::qt::QtWindow& window = *built;
    QCOMPARE(window.widget().childAt(60, 55), &window.control("Button"));  // where "Over" overlaps it
    QCOMPARE(window.widget().childAt(120, 65), &window.control("Over"));   // where nothing else is
}

// No button is a default button: Enter in a box clicks nothing. On a focused
// button Enter clicks it once, however long the key is held.
void WindowBuilderTest::enterClicksOnlyTheFocusedButton()
{
    const auto built = tests::standaloneWindow(description);
    app::qt::QtWindow& window = *built;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window.widget()));
    auto& button = static_cast<QPushButton&>(window.control("Button"));
    QSignalSpy clicks(&button, &QPushButton::clicked);
    QCOMPARE(QApplication::focusWidget(), &window.control("Box"));
    QCOMPARE(static_cast<QLineEdit&>(window.control("Box")).selectedText(), QStringLiteral("0"));  // typing replaces it
    QTest::keyClick(&window.control("Box"), Qt::Key_Return);
    QTest::keyClick(&window.control("Box"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!button.isDefault());
    QTest::keyClick(&window.control("Box"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &button);
    QVERIFY(!button.isDefault());
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 3);
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&button, &repeated);
    QCOMPARE(clicks.count(), 3);
}

void WindowBuilderTest::tablesWithoutNamesOrWithTwinsAreRefused_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("a row without a name") << "Plain"
                                          << "";
    QTest::newRow("a row twice") << "Plain"
                                 << "Plain";
}

void WindowBuilderTest::tablesWithoutNamesOrWithTwinsAreRefused()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    const std::string firstName = first.toStdString();
    const std::string secondName = second.toStdString();
    const std::array rows{app::ControlDescription{.name = firstName}, app::ControlDescription{.name = secondName}};
    const app::WindowDescription refused{.name = "Refused", .controls = rows};
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, tests::standaloneWindow(refused));
}

void WindowBuilderTest::anUnknownNameIsNotFound()
{
    const auto built = tests::standaloneWindow(description);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, built->control("Missing"));
}

// For a face fontconfig does not know, Qt would search every installed font for
// fallbacks; the stand-ins registered at start-up are named instead.
void WindowBuilderTest::fontsNameTheFamilyThatDrawsThem()
{
    app::qt::registerFontSubstitutes();
    const auto built = tests::standaloneWindow(description);
    QList<QWidget*> widgets = built->widget().findChildren<QWidget*>();
    widgets << &built->widget();
    for (const QWidget* widget : std::as_const(widgets)) {
        const QFont font = widget->font();
        QVERIFY2(font.family().compare(QFontInfo(font).family(), Qt::CaseInsensitive) == 0, qPrintable(font.family()));
    }
}

QTEST_MAIN(WindowBuilderTest)
#include "tst_window_builder.moc"

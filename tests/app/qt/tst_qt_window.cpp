// The Qt backend's windows as the program builds them: every table's fonts
// reach the widgets in the faces that stand in for the named ones, and the
// handlers' operations count characters, not UTF-16 units.
#include <tests/support/qt/standalone_window.h>

#include <app/qt/qt_window.h>
#include <app/qt/startup.h>
#include <program/identity.h>
#include <ui/info/form2.h>
#include <ui/info/form3.h>
#include <ui/main/form1_description.h>

#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(const app::WindowDescription*)

namespace {

using namespace ui::main::form1;

// The installed faces that stand in for the named ones (fonts-noto-cjk).
QString standIn(std::string_view face)
{
    return face == "宋体" ? QStringLiteral("Noto Serif CJK SC") : QStringLiteral("Noto Sans CJK SC");
}

}  // namespace

class QtWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fontsReachTheWidgetsInTheirStandIns_data();
    void fontsReachTheWidgetsInTheirStandIns();
    void selectionsCountCharacters_data();
    void selectionsCountCharacters();
    void negativeSelectionsAreInvalidPropertyValues();
    void showingAMinimisedWindowRestoresIt();

private:
    static std::unique_ptr<app::qt::QtWindow> build(const app::WindowDescription& description)
    {
        return tests::standaloneWindow(description);
    }
};

void QtWindowTest::initTestCase()
{
    app::qt::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()), program::identity);
}

void QtWindowTest::fontsReachTheWidgetsInTheirStandIns_data()
{
    QTest::addColumn<const app::WindowDescription*>("description");
    QTest::newRow("Form1") << &ui::main::form1Description;
    QTest::newRow("Form2") << &ui::info::form2Description;
    QTest::newRow("Form3") << &ui::info::form3Description;
}

void QtWindowTest::fontsReachTheWidgetsInTheirStandIns()
{
    QFETCH(const app::WindowDescription*, description);
    const auto window = build(*description);
    for (const app::ControlDescription& control : description->controls) {
        const QWidget* widget = window->widget().findChild<QWidget*>(QString::fromUtf8(control.name));
        QVERIFY(widget != nullptr);
        const app::FontDescription expected = control.font.value_or(app::FontDescription{.face = "宋体"});
        const QFont font = widget->font();
        const QString name = QString::fromUtf8(control.name);
        QVERIFY2(font.pointSizeF() == expected.points, qPrintable(name));
        QVERIFY2(font.weight() == (expected.bold ? QFont::Bold : QFont::Normal), qPrintable(name));
        QVERIFY2(font.italic() == expected.italic, qPrintable(name));
        QCOMPARE(QFontInfo(font).family(), standIn(expected.face));
    }
}

void QtWindowTest::selectionsCountCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");
    QTest::newRow("whole") << "-12" << 0 << 3 << "-12";
    QTest::newRow("middle") << "-12" << 1 << 1 << "1";
    QTest::newRow("beyond the end") << "12" << 1 << 9 << "2";
    QTest::newRow("start beyond the end") << "12" << 5 << 1 << "";
    QTest::newRow("astral character") << QString::fromUtf8("😀12") << 1 << 2 << "12";
    QTest::newRow("astral character selected") << QString::fromUtf8("1😀2") << 1 << 1 << QString::fromUtf8("😀");
}

void QtWindowTest::selectionsCountCharacters()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, selected);
    const auto window = build(ui::main::form1Description);
    window->textBox(Text2).setValidator(nullptr);  // the astral rows hold more than three UTF-16 units
    window->setText(Text2, text.toStdString());
    window->setSelStart(Text2, start);
    window->setSelLength(Text2, length);
    QCOMPARE(window->textBox(Text2).selectedText(), selected);
}

void QtWindowTest::negativeSelectionsAreInvalidPropertyValues()
{
    const auto window = build(ui::main::form1Description);
    QVERIFY_THROWS_EXCEPTION(app::InvalidPropertyValue, window->setSelStart(Text1, -1));
    QVERIFY_THROWS_EXCEPTION(app::InvalidPropertyValue, window->setSelLength(Text1, -1));
}

void QtWindowTest::showingAMinimisedWindowRestoresIt()
{
    const auto window = build(ui::info::form2Description);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(&window->widget()));
    window->widget().showMinimized();
    window->show();
    QVERIFY(!window->widget().isMinimized());
    QVERIFY(window->widget().isVisible());
}

QTEST_MAIN(QtWindowTest)
#include "tst_qt_window.moc"

// The Help and About windows: one instance each, modeless, discarded on close,
// and the program's lifetime around them.
#include <tests/support/qt/modal_box.h>

#include <app/qt/label.h>
#include <app/qt/startup.h>
#include <program/identity.h>
#include <program/qt/qt_program.h>
#include <ui/main/form1_description.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(app::ButtonRef)

namespace {

using namespace ui::main::form1;

int openWindowsNamed(const QString& name)
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == name && window->isVisible() ? 1 : 0;
    return count;
}

}  // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void helpClickedTwiceIsOneWindow();
    void mainWindowWorksWithHelpOpen();
    void aboutClosedAndReopenedIsBuiltAfresh();
    void anOpenWindowComesToTheFront_data();
    void anOpenWindowComesToTheFront();
    void captionsAreTheWindowsOwn_data();
    void captionsAreTheWindowsOwn();
    void programOutlivesTheMainWindowWhileHelpIsOpen();
    void areReadWholeAndCloseOnEscape_data();
    void areReadWholeAndCloseOnEscape();

private:
    void click(app::ButtonRef button)
    {
        QTest::mouseClick(&program_->openWindow("Form1")->button(button), Qt::LeftButton);
    }
    // The top-level widget of the open window `name`, or null.
    QPointer<QWidget> openWindow(const char* name) const
    {
        app::qt::QtWindow* window = program_->openWindow(name);
        return window != nullptr ? &window->widget() : nullptr;
    }

    std::unique_ptr<program::QtProgram> program_;
    QPointer<QWidget> form_;
};

void InfoWindowsTest::initTestCase()
{
    app::qt::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()), program::identity);
}

void InfoWindowsTest::init()
{
    program_ = std::make_unique<program::QtProgram>();
    form_ = &program_->start().widget();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void InfoWindowsTest::cleanup()
{
    tests::closeAllWindows();
    QVERIFY(form_.isNull());
    program_.reset();
}

void InfoWindowsTest::helpClickedTwiceIsOneWindow()
{
    click(Command2);
    QPointer<QWidget> help = openWindow("Form2");
    QVERIFY(help);
    QVERIFY(!help->isModal());
    QCOMPARE(help->parentWidget(), nullptr);
    click(Command2);
    QCOMPARE(openWindow("Form2"), help.data());
    QCOMPARE(openWindowsNamed("Form2"), 1);
}

void InfoWindowsTest::mainWindowWorksWithHelpOpen()
{
    click(Command2);
    click(Command4);
    QCOMPARE(openWindowsNamed("Form2"), 1);
    QCOMPARE(openWindowsNamed("Form3"), 1);
    app::qt::QtWindow& form = *program_->openWindow("Form1");
    for (const auto& [box, text] : {std::pair{Text1, "1"}, std::pair{Text2, "-3"}, std::pair{Text3, "2"}})
        form.textBox(box).setText(QString::fromLatin1(text));
    click(Command1);
    QCOMPARE(form.label(Label5).text(), QStringLiteral("2"));
    click(Command3);
    QVERIFY(form.label(Label5).text().isEmpty());
    QCOMPARE(form.textBox(Text2).text(), QStringLiteral("0"));
}

void InfoWindowsTest::aboutClosedAndReopenedIsBuiltAfresh()
{
    click(Command4);
    QPointer<QWidget> first = openWindow("Form3");
    QVERIFY(first);
    first->close();
    QCOMPARE(openWindow("Form3"), nullptr);
    click(Command4);  // before the closed one's deletion has run
    QPointer<QWidget> second = openWindow("Form3");
    QVERIFY(second);
    QVERIFY(second != first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());  // closing discarded it
    QVERIFY(second);
    QVERIFY(second->isVisible());
}

void InfoWindowsTest::anOpenWindowComesToTheFront_data()
{
    QTest::addColumn<app::ButtonRef>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("minimised");  // otherwise only behind the main window
    QTest::newRow("help, minimised") << Command2 << "Form2" << true;
    QTest::newRow("about, minimised") << Command4 << "Form3" << true;
    QTest::newRow("help, behind") << Command2 << "Form2" << false;
    QTest::newRow("about, behind") << Command4 << "Form3" << false;
}

void InfoWindowsTest::anOpenWindowComesToTheFront()
{
    QFETCH(app::ButtonRef, button);
    QFETCH(QString, window);
    QFETCH(bool, minimised);
    click(button);
    QPointer<QWidget> opened = openWindow(qPrintable(window));
    QVERIFY(opened);
    QVERIFY(QTest::qWaitForWindowActive(opened));
    if (minimised) {
        opened->showMinimized();
        QVERIFY(opened->isMinimized());
    }
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_));
    click(button);
    QCOMPARE(openWindow(qPrintable(window)), opened.data());
    QVERIFY(!opened->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(opened));
}

// Runs the real event loop: it must go on after the main window closes and
// end by itself once Help, the last window, closes.
void InfoWindowsTest::programOutlivesTheMainWindowWhileHelpIsOpen()
{
    click(Command2);
    QPointer<QWidget> help = openWindow("Form2");
    bool helpOpenAfterMainClosed = false;
    bool endedByItself = true;
    QTimer::singleShot(0, [&] { form_->close(); });
    QTimer::singleShot(100, [&] {
        helpOpenAfterMainClosed = form_.isNull() && help && help->isVisible();
        help->close();
    });
    QTimer::singleShot(5000, [&] {
        endedByItself = false;
        QCoreApplication::quit();
    });
    QApplication::exec();
    QVERIFY(helpOpenAfterMainClosed);
    QVERIFY(endedByItself);
}

void InfoWindowsTest::captionsAreTheWindowsOwn_data()
{
    QTest::addColumn<app::ButtonRef>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::newRow("help") << Command2 << "Form2"
                          << "帮助"
                          << "Label1"
                          << "\n1.本计算器可解一元一次方程和一元二次方程\n2.不休要的数位请输入0\n"
                             "3.系数的最大值为999\n4.个人能力有限，如有问题敬请谅解";
    QTest::newRow("change log title") << Command4 << "Form3"
                                      << "关于"
                                      << "Label1"
                                      << "更新日志";
    QTest::newRow("change notes") << Command4 << "Form3"
                                  << "关于"
                                  << "Label2"
                                  << " v1.1.0\n1.首创根号显示！\n2.全新改版\n3.增加清零按钮";
    QTest::newRow("contact") << Command4 << "Form3"
                             << "关于"
                             << "Label3"
                             << "如有问题请联系\n QQ：12345678\n E-mail：a@example.com";
}

void InfoWindowsTest::captionsAreTheWindowsOwn()
{
    QFETCH(app::ButtonRef, button);
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    click(button);
    app::qt::QtWindow* opened = program_->openWindow(window.toStdString());
    QVERIFY(opened != nullptr);
    QCOMPARE(opened->widget().windowTitle(), title);
    QCOMPARE(static_cast<QLabel&>(opened->control(label.toStdString())).text(), caption);
    QCOMPARE(opened->widget().size(), QSize(304, 202));
}

void InfoWindowsTest::areReadWholeAndCloseOnEscape_data()
{
    QTest::addColumn<app::ButtonRef>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("read");
    QTest::newRow("help") << Command2 << "Form2"
                          << "1.本计算器可解一元一次方程和一元二次方程\n2.不休要的数位请输入0\n"
                             "3.系数的最大值为999\n4.个人能力有限，如有问题敬请谅解";
    QTest::newRow("about") << Command4 << "Form3"
                           << "更新日志\n v1.1.0\n1.首创根号显示！\n2.全新改版\n3.增加清零按钮\n"
                              "如有问题请联系\n QQ：12345678\n E-mail：a@example.com";
}

// A screen reader reads a dialog's description as it opens; the main window is no such notice.
void InfoWindowsTest::areReadWholeAndCloseOnEscape()
{
    QFETCH(app::ButtonRef, button);
    QFETCH(QString, window);
    QFETCH(QString, read);
    click(button);
    QPointer<QWidget> opened = openWindow(qPrintable(window));
    QVERIFY(opened);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(opened);
    QCOMPARE(accessible->role(), QAccessible::Dialog);
    QCOMPARE(accessible->text(QAccessible::Description), read);
    QVERIFY(QAccessible::queryAccessibleInterface(form_)->role() != QAccessible::Dialog);

    QTest::keyClick(form_, Qt::Key_Escape);
    QVERIFY(form_->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(opened));
    QTest::keyClick(opened, Qt::Key_Escape);
    QCOMPARE(openWindow(qPrintable(window)), nullptr);
}

QTEST_MAIN(InfoWindowsTest)
#include "tst_info_windows.moc"

// The Help and About windows: one instance each, modeless, discarded on close,
// and the program's lifetime around them.
#include "../support/modal_box.h"

#include <app/runtime_window.h>
#include <app/startup.h>
#include <app/window_instances.h>
#include <ui/main/form1.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

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
    void aMinimisedWindowComesBack_data();
    void aMinimisedWindowComesBack();
    void captionsAreTheWindowsOwn_data();
    void captionsAreTheWindowsOwn();
    void programOutlivesTheMainWindowWhileHelpIsOpen();

private:
    void click(const char* button) { QTest::mouseClick(&form_->button(button), Qt::LeftButton); }

    QPointer<app::RuntimeWindow> form_;
};

void InfoWindowsTest::initTestCase()
{
    app::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void InfoWindowsTest::init()
{
    form_ = &app::showStartupWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void InfoWindowsTest::cleanup()
{
    tests::closeAllWindows();
    QVERIFY(form_.isNull());
}

void InfoWindowsTest::helpClickedTwiceIsOneWindow()
{
    click("Command2");
    QPointer<app::RuntimeWindow> help = app::openInstance("Form2");
    QVERIFY(help);
    QVERIFY(!help->isModal());
    QCOMPARE(help->parentWidget(), nullptr);
    click("Command2");
    QCOMPARE(app::openInstance("Form2"), help.data());
    QCOMPARE(openWindowsNamed("Form2"), 1);
}

void InfoWindowsTest::mainWindowWorksWithHelpOpen()
{
    click("Command2");
    click("Command4");
    QCOMPARE(openWindowsNamed("Form2"), 1);
    QCOMPARE(openWindowsNamed("Form3"), 1);
    for (const auto& [box, text] : {std::pair{"Text1", "1"}, std::pair{"Text2", "-3"}, std::pair{"Text3", "2"}})
        form_->textBox(box).setText(QString::fromLatin1(text));
    click("Command1");
    QCOMPARE(form_->label("Label5").text(), QStringLiteral("2"));
    click("Command3");
    QVERIFY(form_->label("Label5").text().isEmpty());
    QCOMPARE(form_->textBox("Text2").text(), QStringLiteral("0"));
}

void InfoWindowsTest::aboutClosedAndReopenedIsBuiltAfresh()
{
    click("Command4");
    QPointer<app::RuntimeWindow> first = app::openInstance("Form3");
    QVERIFY(first);
    first->close();
    QCOMPARE(app::openInstance("Form3"), nullptr);
    click("Command4");  // before the closed one's deletion has run
    QPointer<app::RuntimeWindow> second = app::openInstance("Form3");
    QVERIFY(second);
    QVERIFY(second != first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());  // closing discarded it
    QVERIFY(second);
    QVERIFY(second->isVisible());
}

void InfoWindowsTest::aMinimisedWindowComesBack_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("help") << "Command2" << "Form2";
    QTest::newRow("about") << "Command4" << "Form3";
}

void InfoWindowsTest::aMinimisedWindowComesBack()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    click(qPrintable(button));
    QPointer<app::RuntimeWindow> opened = app::openInstance(window.toStdString());
    QVERIFY(opened);
    opened->showMinimized();
    QVERIFY(opened->isMinimized());
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_));
    click(qPrintable(button));
    QCOMPARE(app::openInstance(window.toStdString()), opened.data());
    QVERIFY(!opened->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(opened));
}

// Runs the real event loop: it must go on after the main window closes and
// end by itself once Help, the last window, closes.
void InfoWindowsTest::programOutlivesTheMainWindowWhileHelpIsOpen()
{
    click("Command2");
    QPointer<app::RuntimeWindow> help = app::openInstance("Form2");
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
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::newRow("help") << "Command2" << "Form2" << "帮助" << "Label1"
                          << "\n1.本计算器可解一元一次方程和一元二次方程\n2.不休要的数位请输入0\n"
                             "3.系数的最大值为999\n4.个人能力有限，如有问题敬请谅解";
    QTest::newRow("change log title") << "Command4" << "Form3" << "关于" << "Label1" << "更新日志";
    QTest::newRow("change notes") << "Command4" << "Form3" << "关于" << "Label2"
                                  << " v1.1.0\n1.首创根号显示！\n2.全新改版\n3.增加清零按钮";
    QTest::newRow("contact") << "Command4" << "Form3" << "关于" << "Label3"
                             << "如有问题请联系\n QQ：12345678\n E-mail：me@example.com";
}

void InfoWindowsTest::captionsAreTheWindowsOwn()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    click(button.toLatin1().constData());
    app::RuntimeWindow* opened = app::openInstance(window.toStdString());
    QVERIFY(opened != nullptr);
    QCOMPARE(opened->windowTitle(), title);
    QCOMPARE(opened->label(label.toStdString()).text(), caption);
    QCOMPARE(opened->size(), QSize(304, 202));
}

QTEST_MAIN(InfoWindowsTest)
#include "tst_info_windows.moc"

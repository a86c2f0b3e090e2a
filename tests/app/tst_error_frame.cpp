// The error frame, the run-time error report and the message box.
#include "../support/modal_box.h"

#include <app/error_frame.h>
#include <app/message_box.h>
#include <calc/run_time_error.h>

#include <QApplication>
#include <QTest>

#include <functional>
#include <new>
#include <stdexcept>

Q_DECLARE_METATYPE(std::function<void()>)


namespace {

const QString ok = QStringLiteral("确定");

// Counts its own release, so that a test sees the handler's locals freed.
struct Held {
    int* released;
    ~Held() { ++*released; }
};

}  // namespace

class ErrorFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { tests::useButtonIconStyle(); }
    void errorsEndTheHandlerAndAreReported_data();
    void errorsEndTheHandlerAndAreReported();
    void aHandlerWithoutErrorShowsNoReport();
    void runTimeErrorsAreFollowedUpOnceReported_data();
    void runTimeErrorsAreFollowedUpOnceReported();
    void messageBoxShowsThePromptAndChineseButtons_data();
    void messageBoxShowsThePromptAndChineseButtons();
};

void ErrorFrameTest::errorsEndTheHandlerAndAreReported_data()
{
    using calc::FloatingPointCondition;
    using calc::RunTimeError;
    QTest::addColumn<std::function<void()>>("raise");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("description");
    QTest::newRow("type mismatch") << std::function<void()>([] { throw RunTimeError::typeMismatch(); })
                                   << "13" << "类型不匹配";
    QTest::newRow("overflow") << std::function<void()>([] { throw RunTimeError::overflow(); }) << "6"
                              << "溢出";
    QTest::newRow("division by zero")
        << std::function<void()>([] { throw RunTimeError::floatingPoint(FloatingPointCondition::DivisionByZero); })
        << "11" << "除数为零";
    QTest::newRow("invalid operation")
        << std::function<void()>([] { throw RunTimeError::floatingPoint(FloatingPointCondition::InvalidOperation); })
        << "5" << "无效的过程调用或参数";
    QTest::newRow("floating-point overflow")
        << std::function<void()>([] { throw RunTimeError::floatingPoint(FloatingPointCondition::Overflow); })
        << "6" << "溢出";
    QTest::newRow("out of memory") << std::function<void()>([] { throw std::bad_alloc(); }) << "7"
                                   << "内存不足";
    QTest::newRow("a fault of ours") << std::function<void()>([] { throw std::out_of_range("no Label99"); })
                                     << "51" << "内部错误";
}

void ErrorFrameTest::errorsEndTheHandlerAndAreReported()
{
    QFETCH(std::function<void()>, raise);
    QFETCH(QString, number);
    QFETCH(QString, description);
    int released = 0;
    bool ranOn = false;
    const tests::SeenModalBox report = tests::whileAnsweringModalBox(
        [&] {
            app::runInErrorFrame([&] {
                Held held{&released};
                raise();
                ranOn = true;
            });
        },
        tests::clickingButton(ok));
    QVERIFY(report.seen);
    QVERIFY(!ranOn);
    QCOMPARE(released, 1);
    QCOMPARE(report.title, QStringLiteral("Tarvo"));
    QVERIFY2(report.text.contains(number) && report.text.contains(description), qPrintable(report.text));
    QCOMPARE(report.buttonTexts, QStringList{ok});
    QVERIFY(!report.buttonIcons);
    QCOMPARE(report.modality, Qt::ApplicationModal);
}

void ErrorFrameTest::aHandlerWithoutErrorShowsNoReport()
{
    bool ran = false;
    const tests::SeenModalBox report =
        tests::whileAnsweringModalBox([&] { app::runInErrorFrame([&] { ran = true; }); }, tests::closingTheWindow());
    QVERIFY(ran);
    QVERIFY(!report.seen);
}

void ErrorFrameTest::runTimeErrorsAreFollowedUpOnceReported_data()
{
    QTest::addColumn<std::function<void()>>("raise");
    QTest::addColumn<int>("followedUp");  // the number the follow-up saw; 0: not called
    QTest::newRow("run-time error") << std::function<void()>([] { throw calc::RunTimeError::overflow(); }) << 6;
    QTest::newRow("out of memory") << std::function<void()>([] { throw std::bad_alloc(); }) << 0;
    QTest::newRow("no error") << std::function<void()>([] {}) << 0;
}

void ErrorFrameTest::runTimeErrorsAreFollowedUpOnceReported()
{
    QFETCH(std::function<void()>, raise);
    QFETCH(int, followedUp);
    int seenNumber = 0;
    bool reportDismissed = false;
    bool followedUpAfterTheReport = false;
    tests::whileAnsweringModalBox(
        [&] {
            app::runInErrorFrame(raise, [&](const calc::RunTimeError& error) {
                seenNumber = error.number();
                followedUpAfterTheReport = reportDismissed && QApplication::activeModalWidget() == nullptr;
            });
        },
        [&](QMessageBox& box) {
            reportDismissed = true;
            tests::clickButtonWithText(box, ok);
        });
    QCOMPARE(seenNumber, followedUp);
    QCOMPARE(followedUpAfterTheReport, followedUp != 0);
}

void ErrorFrameTest::messageBoxShowsThePromptAndChineseButtons_data()
{
    QTest::addColumn<tests::Dismissal>("dismiss");
    QTest::newRow("yes") << tests::clickingButton(QStringLiteral("是(&Y)"));
    QTest::newRow("no") << tests::clickingButton(QStringLiteral("否(&N)"));
    QTest::newRow("escape") << tests::pressingEscape();
    QTest::newRow("close button") << tests::closingTheWindow();
}

void ErrorFrameTest::messageBoxShowsThePromptAndChineseButtons()
{
    QFETCH(tests::Dismissal, dismiss);
    bool returned = false;
    const tests::SeenModalBox box = tests::whileAnsweringModalBox(
        [&] {
            app::showMessageBox("方程无实根");
            returned = true;
        },
        dismiss);
    QVERIFY(box.seen);
    QVERIFY(returned);
    QCOMPARE(box.title, QStringLiteral("提示"));
    QCOMPARE(box.text, QStringLiteral("方程无实根"));
    QCOMPARE(box.buttonTexts, (QStringList{QStringLiteral("是(&Y)"), QStringLiteral("否(&N)")}));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QVERIFY(!box.buttonIcons);
    QCOMPARE(box.modality, Qt::ApplicationModal);
}

QTEST_MAIN(ErrorFrameTest)
#include "tst_error_frame.moc"

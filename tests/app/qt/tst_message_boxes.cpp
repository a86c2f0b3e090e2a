// The Qt backend's boxes: the run-time error report and the message box, as a
// user sees and answers them.
#include <tests/support/qt/modal_box.h>

#include <app/qt/qt_toolkit.h>

#include <QApplication>
#include <QTest>

Q_DECLARE_METATYPE(app::MessageBoxAnswer)

namespace {

const QString ok = QStringLiteral("确定");
const QString yes = QStringLiteral("是(&Y)");
const QString no = QStringLiteral("否(&N)");

}  // namespace

class MessageBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { tests::useButtonIconStyle(); }
    void errorReportShowsItsTextUnderTheProgramsName();
    void messageBoxShowsThePromptAndChineseButtons_data();
    void messageBoxShowsThePromptAndChineseButtons();

private:
    app::qt::QtToolkit toolkit_;
};

void MessageBoxesTest::errorReportShowsItsTextUnderTheProgramsName()
{
    const QString text = QStringLiteral("运行时错误 '13':\n\n类型不匹配\n\n系数 b 的输入“x”无法转换为整数。");
    bool returned = false;
    const tests::SeenModalBox report = tests::whileAnsweringModalBox(
        [&] {
            toolkit_.showErrorReport("Tarvo", text.toStdString());
            returned = true;
        },
        tests::clickingButton(ok));
    QVERIFY(report.seen);
    QVERIFY(returned);
    QCOMPARE(report.title, QStringLiteral("Tarvo"));
    QCOMPARE(report.text, text);
    QCOMPARE(report.buttonTexts, QStringList{ok});
    QCOMPARE(report.icon, QMessageBox::Critical);
    QVERIFY(!report.buttonIcons);
    QCOMPARE(report.modality, Qt::ApplicationModal);
}

void MessageBoxesTest::messageBoxShowsThePromptAndChineseButtons_data()
{
    QTest::addColumn<tests::Dismissal>("dismiss");
    QTest::addColumn<app::MessageBoxAnswer>("answer");
    QTest::newRow("yes") << tests::clickingButton(yes) << app::MessageBoxAnswer::Yes;
    QTest::newRow("no") << tests::clickingButton(no) << app::MessageBoxAnswer::No;
    QTest::newRow("escape") << tests::pressingEscape() << app::MessageBoxAnswer::No;
    QTest::newRow("close button") << tests::closingTheWindow() << app::MessageBoxAnswer::No;
}

void MessageBoxesTest::messageBoxShowsThePromptAndChineseButtons()
{
    QFETCH(tests::Dismissal, dismiss);
    QFETCH(app::MessageBoxAnswer, answer);
    std::optional<app::MessageBoxAnswer> answered;
    const tests::SeenModalBox box = tests::whileAnsweringModalBox(
        [&] { answered = toolkit_.showMessageBox({.prompt = "方程无实根", .title = "提示"}); }, dismiss);
    QVERIFY(box.seen);
    QCOMPARE(answered, answer);
    QCOMPARE(box.title, QStringLiteral("提示"));
    QCOMPARE(box.text, QStringLiteral("方程无实根"));
    QCOMPARE(box.buttonTexts, (QStringList{yes, no}));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QVERIFY(!box.buttonIcons);
    QCOMPARE(box.modality, Qt::ApplicationModal);
}

QTEST_MAIN(MessageBoxesTest)
#include "tst_message_boxes.moc"

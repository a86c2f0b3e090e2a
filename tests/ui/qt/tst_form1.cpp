// The main window as a user drives it: calculate, clear, select on click,
// errors, focus, the boxes' view, the slots' menu, what a screen reader is
// told, and its texts.
#include <tests/support/announcements.h>
#include <tests/support/reading_order.h>
#include <tests/support/qt/modal_box.h>

#include <app/qt/accessibility.h>
#include <app/qt/label.h>
#include <app/qt/startup.h>
#include <program/identity.h>
#include <program/qt/qt_program.h>
#include <ui/main/form1_description.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

Q_DECLARE_METATYPE(tests::Announcement)

namespace {

using namespace ui::main::form1;

const QString yes = QStringLiteral("是(&Y)");

// Records each slot write in order: a slot's tooltip is set with each caption,
// to the caption where it is cut off and to nothing otherwise.
class SlotWrites : public QObject {
public:
    explicit SlotWrites(const app::qt::QtWindow& form)
    {
        for (const app::LabelRef slot : resultSlots)
            form.label(slot).installEventFilter(this);
    }
    QStringList writes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTipChange) {
            auto* label = static_cast<QLabel*>(watched);
            writes << label->objectName() + "=" + label->text();
        }
        return false;
    }
};

// What a context menu offered: its items and whether each was enabled.
struct SeenMenu {
    QStringList items;
    QList<bool> enabled;
};

// Right-clicks `widget`, reads the menu that opens, then chooses the enabled
// item `choice` from the keyboard, or closes the menu.
SeenMenu whileChoosingFromContextMenu(QWidget& widget, const QString& choice)
{
    SeenMenu seen;
    QTimer answer;  // dies unfired when no menu opens
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        for (const QAction* action : menu->actions()) {
            seen.items << action->text();
            seen.enabled << action->isEnabled();
        }
        const qsizetype chosen = seen.items.indexOf(choice);
        if (chosen < 0 || !seen.enabled[chosen]) {
            QTest::keyClick(menu, Qt::Key_Escape);
            return;
        }
        for (qsizetype down = 0; down <= chosen; ++down)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    answer.start(0);
    const QPoint at(3, 3);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget.mapToGlobal(at));
    QCoreApplication::sendEvent(&widget, &event);
    return seen;
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsInChineseWithQtTextsTranslated();
    void calculateWalksThroughTheEdgeCases();
    void quadraticRootsFillTheSlotsInOrder();
    void linearRootFillsBothRootSlotsInOrder();
    void messagesAnsweredAnyWayLeaveEverySlot_data();
    void messagesAnsweredAnyWayLeaveEverySlot();
    void runTimeErrorsAreReportedAndTheProgramGoesOn_data();
    void runTimeErrorsAreReportedAndTheProgramGoesOn();
    void enterOnAButtonClicksIt_data();
    void enterOnAButtonClicksIt();
    void typingAtStartReplacesTheZero();
    void slotsCopyTheirWholeText_data();
    void slotsCopyTheirWholeText();
    void boxesShowTheirTextFromTheFirstCharacter_data();
    void boxesShowTheirTextFromTheFirstCharacter();
    void clickIntoABoxSelectsItsText_data();
    void clickIntoABoxSelectsItsText();
    void tabWalksTheFocusOrder();
    void slotsShowTheirTextAsTooltip();
    void textsAreTheWindowsOwn_data();
    void textsAreTheWindowsOwn();
    void labelsSayWhatTheyMean_data();
    void labelsSayWhatTheyMean();
    void aScreenReaderReadsTheWindowInItsReadingOrder();
    void outcomesAreAnnouncedWithoutMovingTheFocus_data();
    void outcomesAreAnnouncedWithoutMovingTheFocus();

private:
    void type(app::TextBoxRef box, const QString& text);
    void click(app::ButtonRef button);
    QStringList slotTexts() const;

    std::unique_ptr<program::QtProgram> tarvo_;
    app::qt::QtWindow* form_ = nullptr;
};

void Form1Test::initTestCase()
{
    app::qt::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()), program::identity);
    tests::useButtonIconStyle();
}

void Form1Test::init()
{
    tarvo_ = std::make_unique<program::QtProgram>();
    form_ = &tarvo_->start();
    QVERIFY(QTest::qWaitForWindowActive(&form_->widget()));
}

void Form1Test::cleanup()
{
    tarvo_.reset();
    tests::closeAllWindows();
}

void Form1Test::type(app::TextBoxRef box, const QString& text)
{
    QLineEdit& edit = form_->textBox(box);
    QTest::mouseClick(&edit, Qt::LeftButton);
    QTest::keyClicks(&edit, text);
}

void Form1Test::click(app::ButtonRef button)
{
    QTest::mouseClick(&form_->button(button), Qt::LeftButton);
}

QStringList Form1Test::slotTexts() const
{
    QStringList texts;
    for (const app::LabelRef slot : resultSlots)
        texts << form_->label(slot).text();
    return texts;
}

void Form1Test::startsInChineseWithQtTextsTranslated()
{
    QCOMPARE(QLocale().name(), QStringLiteral("zh_CN"));
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Tarvo"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.01"));
    // The text box's context menu comes from Qt's own catalogue.
    QVERIFY(QCoreApplication::translate("QLineEdit", "&Undo") != QStringLiteral("&Undo"));
    QCOMPARE(QApplication::focusWidget(), &form_->textBox(Text1));
}

// Every edge case in one window, in turn, as a user would meet them.
void Form1Test::calculateWalksThroughTheEdgeCases()
{
    const QStringList empty(8, QString());
    auto calculate = [&] {
        return tests::whileAnsweringModalBox([&] { click(Command1); }, tests::clickingButton(yes));
    };

    tests::SeenModalBox box = calculate();
    QCOMPARE(box.text, QStringLiteral("方程根为任意实数"));
    QCOMPARE(slotTexts(), empty);

    type(Text1, "1");
    type(Text2, "-3");
    type(Text3, "2");
    QVERIFY(!calculate().seen);
    const QStringList quadratic{"2", "1", "1", "-3", "2", "1", "-3", "2"};
    QCOMPARE(slotTexts(), quadratic);

    type(Text1, "0");
    type(Text2, "2");
    type(Text3, "-4");
    QVERIFY(!calculate().seen);
    QCOMPARE(slotTexts(), (QStringList{"2", "2", "1", "-3", "2", "1", "-3", "2"}));  // the formula keeps 1, -3, 2

    type(Text1, "0");
    type(Text2, "4");
    type(Text3, "-2");
    QVERIFY(!calculate().seen);
    QCOMPARE(slotTexts(), (QStringList{"0.5", "0.5", "1", "-3", "2", "1", "-3", "2"}));

    type(Text1, "1");
    type(Text2, "0");
    type(Text3, "1");
    box = calculate();
    QCOMPARE(box.text, QStringLiteral("方程无实根"));
    QCOMPARE(slotTexts(), (QStringList{"0.5", "0.5", "1", "-3", "2", "1", "-3", "2"}));

    type(Text1, "0");
    type(Text2, "0");
    type(Text3, "7");
    box = calculate();
    QCOMPARE(box.text, QStringLiteral("方程无解"));

    QCOMPARE(form_->textBox(Text3).text(), QStringLiteral("7"));  // calculate never changes the boxes
    click(Command3);
    QCOMPARE(slotTexts(), empty);
    for (const app::TextBoxRef coefficient : coefficientBoxes)
        QCOMPARE(form_->textBox(coefficient).text(), QStringLiteral("0"));
    QCOMPARE(form_->widget().focusWidget(), &form_->button(Command3));
}

void Form1Test::quadraticRootsFillTheSlotsInOrder()
{
    type(Text1, "1");
    type(Text2, "-3");
    type(Text3, "2");
    SlotWrites recorded(*form_);
    click(Command1);
    QCOMPARE(recorded.writes, (QStringList{"Label8=1", "Label11=1", "Label9=-3", "Label12=-3", "Label10=2", "Label13=2",
                                           "Label5=2", "Label6=1"}));
}

void Form1Test::linearRootFillsBothRootSlotsInOrder()
{
    type(Text1, "1");
    type(Text2, "-3");
    type(Text3, "2");
    click(Command1);  // a quadratic first: the root slots already show 2 and 1
    type(Text1, "0");
    type(Text2, "2");
    type(Text3, "-4");
    SlotWrites recorded(*form_);
    click(Command1);
    QCOMPARE(recorded.writes, (QStringList{"Label5=2", "Label6=2"}));
}

void Form1Test::messagesAnsweredAnyWayLeaveEverySlot_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<tests::Dismissal>("dismiss");
    QTest::addColumn<QString>("message");
    QTest::newRow("no real roots, yes") << "1"
                                        << "0"
                                        << "1" << tests::clickingButton(yes) << "方程无实根";
    QTest::newRow("no solution, no") << "0"
                                     << "0"
                                     << "5" << tests::clickingButton(QStringLiteral("否(&N)")) << "方程无解";
    QTest::newRow("any number, escape") << "0"
                                        << "0"
                                        << "0" << tests::pressingEscape() << "方程根为任意实数";
    QTest::newRow("no real roots, closed") << "-1"
                                           << "1"
                                           << "-1" << tests::closingTheWindow() << "方程无实根";
}

void Form1Test::messagesAnsweredAnyWayLeaveEverySlot()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(tests::Dismissal, dismiss);
    QFETCH(QString, message);
    type(Text1, "2");
    type(Text2, "-8");
    type(Text3, "6");
    click(Command1);
    const QStringList before = slotTexts();
    QCOMPARE(before, (QStringList{"3", "1", "16", "-8", "4", "16", "-8", "4"}));

    type(Text1, a);
    type(Text2, b);
    type(Text3, c);
    const tests::SeenModalBox box = tests::whileAnsweringModalBox([&] { click(Command1); }, dismiss);
    QVERIFY(box.seen);
    QCOMPARE(box.title, QStringLiteral("提示"));
    QCOMPARE(box.text, message);
    QCOMPARE(box.buttonTexts, (QStringList{yes, QStringLiteral("否(&N)")}));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QVERIFY(!box.buttonIcons);
    QCOMPARE(box.modality, Qt::ApplicationModal);
    QCOMPARE(slotTexts(), before);
    QVERIFY(form_->widget().isVisible());
}

void Form1Test::runTimeErrorsAreReportedAndTheProgramGoesOn_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("report");     // empty: none
    QTest::addColumn<QString>("failedBox");  // the box that has the focus afterwards, if any
    const QString mismatch = QStringLiteral("运行时错误 '13':\n\n类型不匹配\n\n");
    const QString overflow = QStringLiteral("运行时错误 '6':\n\n溢出\n\n");
    QTest::newRow("letter in a") << "x"
                                 << "1"
                                 << "1" << mismatch + "系数 a 的输入“x”无法转换为整数。"
                                 << "Text1";
    QTest::newRow("letter in c") << "1"
                                 << "2"
                                 << "c" << mismatch + "系数 c 的输入“c”无法转换为整数。"
                                 << "Text3";
    QTest::newRow("empty b") << "1"
                             << ""
                             << "1" << mismatch + "系数 b 的输入“”无法转换为整数。"
                             << "Text2";
    QTest::newRow("full-width digit") << "１"
                                      << "1"
                                      << "1" << mismatch + "系数 a 的输入“１”无法转换为整数。"
                                      << "Text1";
    QTest::newRow("exponent too large") << "9E9"
                                        << "1"
                                        << "1" << overflow + "系数 a 的输入“9E9”无法转换为整数。"
                                        << "Text1";
    QTest::newRow("b too large before a bad c") << "1"
                                                << "9e9"
                                                << "?" << overflow + "系数 b 的输入“9e9”无法转换为整数。"
                                                << "Text2";
    QTest::newRow("discriminant overflows") << "1"
                                            << "5e4"
                                            << "0" << overflow + "计算判别式 b² − 4ac 时超出了整数范围。"
                                            << "";
    QTest::newRow("hexadecimal fits") << "&HF"
                                      << "0"
                                      << "-1"
                                      << ""
                                      << "";
}

void Form1Test::runTimeErrorsAreReportedAndTheProgramGoesOn()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, report);
    QFETCH(QString, failedBox);
    type(Text1, "1");
    type(Text2, "-3");
    type(Text3, "2");
    click(Command1);
    const QStringList before = slotTexts();

    for (const auto& [box, text] : {std::pair{Text1, a}, std::pair{Text2, b}, std::pair{Text3, c}})
        form_->textBox(box).setText(text);
    const tests::SeenModalBox seen =
        tests::whileAnsweringModalBox([&] { click(Command1); }, tests::clickingButton(QStringLiteral("确定")));
    if (report.isEmpty()) {
        QVERIFY(!seen.seen);
        return;
    }
    QVERIFY(seen.seen);
    QCOMPARE(seen.title, QStringLiteral("Tarvo"));
    QCOMPARE(seen.text, report);
    QVERIFY(!seen.buttonIcons);
    QCOMPARE(slotTexts(), before);
    QVERIFY(form_->widget().isVisible());
    if (failedBox.isEmpty()) {
        QCOMPARE(form_->widget().focusWidget(), &form_->button(Command1));  // where the click left it
    } else {                                                                // ready to be typed over
        auto& box = static_cast<QLineEdit&>(form_->control(failedBox.toStdString()));
        QTRY_COMPARE(QApplication::focusWidget(), &box);
        QCOMPARE(box.selectedText(), box.text());
    }

    type(Text1, "1");
    type(Text2, "2");
    type(Text3, "1");
    click(Command1);
    QCOMPARE(slotTexts(), (QStringList{"-1", "-1", "0", "2", "2", "0", "2", "2"}));
}

void Form1Test::enterOnAButtonClicksIt_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    for (const auto& [name, key] : {std::pair{"Return", Qt::Key_Return}, std::pair{"Enter", Qt::Key_Enter}}) {
        for (const char* button : {"Command1", "Command2", "Command3", "Command4"})
            QTest::addRow("%s on %s", name, button) << button << int(key);
    }
}

// Each button shows that it was clicked: a message, a window, cleared boxes.
void Form1Test::enterOnAButtonClicksIt()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    form_->textBox(Text3).setText(QStringLiteral("7"));  // 0, 0, 7: no solution
    auto& focused = static_cast<QPushButton&>(form_->control(button.toStdString()));
    focused.setFocus(Qt::TabFocusReason);
    const tests::SeenModalBox box = tests::whileAnsweringModalBox(
        [&] { QTest::keyClick(&focused, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier); },
        tests::clickingButton(yes));
    QCOMPARE(box.text, button == "Command1" ? QStringLiteral("方程无解") : QString());
    QCOMPARE(tarvo_->openWindow("Form2") != nullptr, button == "Command2");
    QCOMPARE(form_->textBox(Text3).text(), button == "Command3" ? QStringLiteral("0") : QStringLiteral("7"));
    QCOMPARE(tarvo_->openWindow("Form3") != nullptr, button == "Command4");
}

void Form1Test::typingAtStartReplacesTheZero()
{
    QLineEdit& a = form_->textBox(Text1);
    QCOMPARE(QApplication::focusWidget(), &a);
    QCOMPARE(a.selectedText(), QStringLiteral("0"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-12"));
    QCOMPARE(a.text(), QStringLiteral("-12"));
}

void Form1Test::slotsCopyTheirWholeText_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("calculated");  // 1, 0, -2; otherwise the fresh window
    QTest::addColumn<QString>("copied");   // empty: nothing to copy
    QTest::newRow("x1, cut off") << "Label5" << true << "1.4142135623731";
    QTest::newRow("x2, cut off") << "Label6" << true << "-1.4142135623731";
    QTest::newRow("discriminant") << "Label8" << true << "8";
    QTest::newRow("b, x2 row") << "Label12" << true << "0";
    QTest::newRow("2a, x2 row") << "Label13" << true << "2";
    QTest::newRow("empty slot") << "Label5" << false << "";
}

void Form1Test::slotsCopyTheirWholeText()
{
    QFETCH(QString, label);
    QFETCH(bool, calculated);
    QFETCH(QString, copied);
    if (calculated) {
        type(Text1, "1");
        type(Text2, "0");
        type(Text3, "-2");
        click(Command1);
    }
    QApplication::clipboard()->setText(QStringLiteral("before"));
    const SeenMenu menu = whileChoosingFromContextMenu(form_->control(label.toStdString()), QStringLiteral("复制"));
    QCOMPARE(menu.items, QStringList{QStringLiteral("复制")});
    QCOMPARE(menu.enabled, QList<bool>{!copied.isEmpty()});
    QCOMPARE(QApplication::clipboard()->text(), copied.isEmpty() ? QStringLiteral("before") : copied);
    QVERIFY(form_->label(Label14).actions().isEmpty());  // fixed labels offer nothing to copy
}

void Form1Test::boxesShowTheirTextFromTheFirstCharacter_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("retyped");  // over the whole text; empty: none
    QTest::newRow("three digits") << "Text2"
                                  << "999"
                                  << "";
    QTest::newRow("wide text retyped") << "Text1"
                                       << "&HF"
                                       << "5";
    QTest::newRow("chinese retyped") << "Text3"
                                     << "一二三"
                                     << "7";
}

// Three of the box font's digits fit: the text starts where an empty box's
// caret stands, so the view has not scrolled.
void Form1Test::boxesShowTheirTextFromTheFirstCharacter()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, retyped);
    auto& edit = static_cast<QLineEdit&>(form_->control(box.toStdString()));
    auto typeText = [&edit](const QString& text) {  // keys that no key code names, too
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QCoreApplication::sendEvent(&edit, &press);
        }
    };
    auto caretX = [&edit] {
        edit.repaint();  // which scrolls the view
        return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    };
    edit.setFocus();
    edit.clear();
    const int textStart = caretX();
    typeText(typed);
    if (!retyped.isEmpty()) {
        edit.selectAll();
        typeText(retyped);
    }
    const int textWidth = edit.fontMetrics().horizontalAdvance(edit.text());
    for (const char* when : {"while typing", "after the focus left"}) {
        QVERIFY2(qAbs(caretX() - textWidth - textStart) <= 1, when);
        form_->button(Command1).setFocus();
    }
}

void Form1Test::clickIntoABoxSelectsItsText_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("a") << "Text1";
    QTest::newRow("b") << "Text2";
    QTest::newRow("c") << "Text3";
}

void Form1Test::clickIntoABoxSelectsItsText()
{
    QFETCH(QString, box);
    auto& edit = static_cast<QLineEdit&>(form_->control(box.toStdString()));
    edit.setText(QStringLiteral("12"));
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(edit.width() - 3, edit.height() / 2));
    QCOMPARE(edit.selectedText(), QStringLiteral("12"));
    QTest::keyClicks(&edit, QStringLiteral("5"));
    QCOMPARE(edit.text(), QStringLiteral("5"));
    QTest::keyClicks(&edit, QStringLiteral("678"));
    QCOMPARE(edit.text(), QStringLiteral("567"));  // a fourth character is refused
}

void Form1Test::tabWalksTheFocusOrder()
{
    const QStringList order{"Text2", "Text3", "Command1", "Command2", "Command3", "Command4", "Text1"};
    QCOMPARE(QApplication::focusWidget(), &form_->textBox(Text1));
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command4"));
}

void Form1Test::slotsShowTheirTextAsTooltip()
{
    type(Text1, "1");
    type(Text2, "0");
    type(Text3, "-2");
    click(Command1);
    QCOMPARE(form_->label(Label5).text(), QStringLiteral("1.4142135623731"));
    QCOMPARE(form_->label(Label5).toolTip(), QStringLiteral("1.4142135623731"));
    QCOMPARE(form_->label(Label6).toolTip(), QStringLiteral("-1.4142135623731"));
    QVERIFY(form_->label(Label7).toolTip().isEmpty());
    click(Command3);
    for (const app::LabelRef slot : resultSlots)
        QVERIFY(form_->label(slot).toolTip().isEmpty());
}

void Form1Test::textsAreTheWindowsOwn_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("calculate") << "Command1"
                               << "计算";
    QTest::newRow("help") << "Command2"
                          << "帮助";
    QTest::newRow("clear") << "Command3"
                           << "清零";
    QTest::newRow("about") << "Command4"
                           << "关于";
    QTest::newRow("credit") << "Label7"
                            << "设计者：Osmel$_$";
    QTest::newRow("radical x1") << "Label14"
                                << "√";
    QTest::newRow("radical x2") << "Label15"
                                << "-√";
    QTest::newRow("minus x1") << "Label18(0)"
                              << "-";
    QTest::newRow("fraction bar") << "Label16"
                                  << "_____________________";
    QTest::newRow("right-hand side") << "Label4(1)"
                                     << "0";
    QTest::newRow("exponent") << "Label2(0)"
                              << "2";
    QTest::newRow("subscript x2") << "Label2(1)"
                                  << "2";
    QTest::newRow("equals") << "Label3(2)"
                            << "=";
    QTest::newRow("box a") << "Text1"
                           << "0";
}

void Form1Test::textsAreTheWindowsOwn()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QWidget& widget = form_->control(control.toStdString());
    if (auto* label = qobject_cast<QLabel*>(&widget))
        QCOMPARE(label->text(), text);
    else if (auto* button = qobject_cast<QPushButton*>(&widget))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(qobject_cast<QLineEdit*>(&widget)->text(), text);
    QCOMPARE(form_->widget().windowTitle(), QStringLiteral("Tarvo"));
}

void Form1Test::labelsSayWhatTheyMean_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");  // empty: hidden from screen readers
    // The backend applies the table's names, renews a slot's with its caption and hides drawn ink.
    QTest::newRow("box") << "Text1"
                         << "系数 a";
    QTest::newRow("filled slot") << "Label8"
                                 << "判别式 1";
    QTest::newRow("subscript") << "Label2(2)"
                               << "";
}

void Form1Test::labelsSayWhatTheyMean()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    type(Text1, "1");
    type(Text2, "-3");
    type(Text3, "2");
    click(Command1);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&form_->control(control.toStdString()));
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->state().invisible, name.isEmpty());
    if (!name.isEmpty())
        QCOMPARE(accessible->text(QAccessible::Name), name);
}

void Form1Test::aScreenReaderReadsTheWindowInItsReadingOrder()
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form_->widget());
    QStringList heard;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        QCOMPARE(window->indexOfChild(child), i);
        if (!child->state().invisible && !child->text(QAccessible::Name).isEmpty())
            heard << child->text(QAccessible::Name);
    }
    QStringList expected;
    for (const char* name : tests::form1Reading)
        expected << QString::fromUtf8(name);
    QCOMPARE(heard, expected);
}

namespace {

// Counts the times a widget is shown: each showing of the announcer is one announcement.
class Shows : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

}  // namespace

void Form1Test::outcomesAreAnnouncedWithoutMovingTheFocus_data()
{
    QTest::addColumn<tests::Announcement>("announcement");
    for (const tests::Announcement& announcement : tests::announcements)
        QTest::newRow(announcement.name) << announcement;
}

void Form1Test::outcomesAreAnnouncedWithoutMovingTheFocus()
{
    QFETCH(tests::Announcement, announcement);
    type(Text1, announcement.a);
    type(Text2, announcement.b);
    type(Text3, announcement.c);
    QPushButton& button = form_->button(announcement.clear ? Command3 : Command1);
    button.setFocus(Qt::TabFocusReason);
    auto* announcer = form_->widget().findChild<app::qt::Announcer*>();
    QVERIFY(announcer != nullptr);
    Shows shows;
    announcer->installEventFilter(&shows);
    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(shows.count, 1);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(announcer);
    QCOMPARE(accessible->role(), QAccessible::Notification);
    QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(announcement.heard));
    QCOMPARE(QApplication::focusWidget(), &button);
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"

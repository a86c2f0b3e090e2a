// A seeded random user over a real main window: typing, pasting, clicking
// into boxes and on every button, opening and closing Help and About, and
// answering whatever box appears. After each calculation the window must show
// exactly what calculate gives for the boxes' texts, or be unchanged.
//
// TARVO_STRESS_EVENTS sets the number of events (default 2000),
// TARVO_STRESS_SEED the seed.
#include <tests/support/qt/modal_box.h>

#include <app/qt/label.h>
#include <app/qt/startup.h>
#include <calc/calculation.h>
#include <calc/run_time_error.h>
#include <program/identity.h>
#include <program/qt/qt_program.h>
#include <ui/main/form1_description.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <variant>

namespace {

using ui::main::form1::coefficientBoxes;
using ui::main::form1::resultSlots;

// Whole coefficients that steer the session into every outcome and error.
const QStringList wholeTexts = {
    "0",
    "0",
    "0",
    "1",
    "-3",
    "2",
    "1",
    "-1",
    "4",
    "999",
    "-99",
    "2.5",
    ".5",
    "-.5",
    "&HF",
    "&O7",
    "1e2",
    "9e9",
    "1e9",
    "2e9",
    "abc",
    "-",
    "",
    " 1",
    "1 ",
    "x",
    QString::fromUtf8("１"),
    QString::fromUtf8("一"),
};

// Single characters: digits, signs, letters, blanks, full-width and other
// non-ASCII characters, and one outside the Basic Multilingual Plane.
const QStringList characters = {
    "0",
    "1",
    "2",
    "3",
    "5",
    "7",
    "9",
    "-",
    "+",
    ".",
    "e",
    "E",
    "&",
    "H",
    "O",
    "F",
    "a",
    "z",
    " ",
    "\t",
    QString::fromUtf8("０"),
    QString::fromUtf8("９"),
    QString::fromUtf8("－"),
    QString::fromUtf8("。"),
    QString::fromUtf8("é"),
    QString::fromUtf8("字"),
    QString::fromUtf8("😀"),
    QString::fromUtf8("\u00a0"),
};

std::map<std::string, QString> slotTexts(const app::qt::QtWindow& form)
{
    std::map<std::string, QString> texts;
    for (const app::LabelRef slot : resultSlots)
        texts[std::string(slot.name)] = form.label(slot).text();
    return texts;
}

qsizetype characterCount(const QString& text)
{
    return qsizetype(text.toUcs4().size());
}

class StressTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase()
    {
        tarvo_.reset();
        tests::closeAllWindows();
    }
    void randomUserSession();

private:
    template <typename T>
    const T& pick(const QList<T>& list)
    {
        return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(random_)];
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QLineEdit& someBox() { return form_->textBox(coefficientBoxes[std::size_t(below(3))]); }
    void typeInto(QLineEdit& box, const QString& text);
    void calculateAndCheck();
    void toggleInfoWindow(app::ButtonRef button, const char* window);
    void checkInvariants();
    tests::Dismissal randomDismissal();

    std::unique_ptr<program::QtProgram> tarvo_;
    app::qt::QtWindow* form_ = nullptr;
    std::mt19937 random_;
    std::map<QString, int> reached_;
};

void StressTest::initTestCase()
{
    app::qt::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()), program::identity);
    random_.seed(std::uint32_t(qEnvironmentVariableIntValue("TARVO_STRESS_SEED")) + 2052u);
    tarvo_ = std::make_unique<program::QtProgram>();
    form_ = &tarvo_->start();
    QVERIFY(QTest::qWaitForWindowExposed(&form_->widget()));
}

// Typed keys, and now and then text that arrives the way an input method commits it.
void StressTest::typeInto(QLineEdit& box, const QString& text)
{
    box.setFocus();
    if (below(4) == 0) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(&box, &commit);
        return;
    }
    for (char32_t code : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString::fromUcs4(&code, 1), Qt::NoModifier);
}

tests::Dismissal StressTest::randomDismissal()
{
    switch (below(3)) {
    case 0:
        return [this](QMessageBox& box) {
            const QList<QAbstractButton*> buttons = box.buttons();
            buttons[qsizetype(below(int(buttons.size())))]->click();
        };
    case 1:
        return tests::pressingEscape();
    default:
        return tests::closingTheWindow();
    }
}

void StressTest::calculateAndCheck()
{
    const auto utf8 = [&](app::TextBoxRef box) { return form_->textBox(box).text().toStdString(); };
    QString expectedMessage;
    std::map<std::string, QString> expected = slotTexts(*form_);
    try {
        const calc::SolveOutcome outcome =
            calc::calculate(utf8(coefficientBoxes[0]), utf8(coefficientBoxes[1]), utf8(coefficientBoxes[2]));
        if (const auto* roots = std::get_if<calc::QuadraticRoots>(&outcome)) {
            reached_["QuadraticRoots"]++;
            expected["Label8"] = expected["Label11"] = QString::fromStdString(roots->discriminantText);
            expected["Label9"] = expected["Label12"] = QString::fromStdString(roots->bText);
            expected["Label10"] = expected["Label13"] = QString::fromStdString(roots->twoAText);
            expected["Label5"] = QString::fromStdString(roots->x1Text);
            expected["Label6"] = QString::fromStdString(roots->x2Text);
        } else if (const auto* root = std::get_if<calc::LinearRoot>(&outcome)) {
            reached_["LinearRoot"]++;
            expected["Label5"] = expected["Label6"] = QString::fromStdString(root->rootText);
        } else {
            std::visit(
                [&](const auto& kind) {
                    if constexpr (requires { kind.message; })
                        expectedMessage = QString::fromUtf8(kind.message.data(), qsizetype(kind.message.size()));
                },
                outcome);
            reached_[std::holds_alternative<calc::AnyRealNumber>(outcome) ? "AnyRealNumber"
                     : std::holds_alternative<calc::NoSolution>(outcome)  ? "NoSolution"
                                                                          : "NoRealRoots"]++;
        }
    } catch (const calc::RunTimeError& error) {
        reached_[error.kind() == calc::ErrorKind::Overflow       ? "Overflow"
                 : error.kind() == calc::ErrorKind::TypeMismatch ? "TypeMismatch"
                                                                 : "FloatingPointFault"]++;
        expectedMessage = QStringLiteral("error %1").arg(error.number());
    }

    const tests::SeenModalBox seen = tests::whileAnsweringModalBox(
        [&] { QTest::mouseClick(&form_->button(ui::main::form1::Command1), Qt::LeftButton); }, randomDismissal());
    if (expectedMessage.startsWith(QLatin1String("error "))) {
        QVERIFY2(seen.seen && seen.title == QLatin1String("Tarvo"), qPrintable(expectedMessage));
        QVERIFY2(seen.text.contains(expectedMessage.mid(6)), qPrintable(seen.text));
    } else if (!expectedMessage.isEmpty()) {
        QVERIFY(seen.seen);
        QCOMPARE(seen.title, QStringLiteral("提示"));
        QCOMPARE(seen.text, expectedMessage);
    } else {
        QVERIFY2(!seen.seen, qPrintable(seen.text));
    }

    QCOMPARE(slotTexts(*form_), expected);
}

void StressTest::toggleInfoWindow(app::ButtonRef button, const char* window)
{
    if (app::qt::QtWindow* open = tarvo_->openWindow(window); open != nullptr && below(2) == 0) {
        open->widget().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return;
    }
    QTest::mouseClick(&form_->button(button), Qt::LeftButton);
}

void StressTest::checkInvariants()
{
    for (const app::TextBoxRef box : coefficientBoxes)
        QVERIFY2(characterCount(form_->textBox(box).text()) <= 3, qPrintable(form_->textBox(box).text()));
    std::map<QString, int> open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            open[window->objectName()]++;
    QVERIFY(open["Form2"] <= 1);
    QVERIFY(open["Form3"] <= 1);
    QCOMPARE(open["Form1"], 1);
}

void StressTest::randomUserSession()
{
    const int events =
        qEnvironmentVariableIsSet("TARVO_STRESS_EVENTS") ? qEnvironmentVariableIntValue("TARVO_STRESS_EVENTS") : 2000;
    for (int event = 0; event < events; ++event) {
        switch (below(16)) {
        case 0:
        case 1:
        case 2: {  // click into a box and type a whole coefficient
            QLineEdit& box = someBox();
            QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(1 + below(box.width() - 2), box.height() / 2));
            typeInto(box, pick(wholeTexts));
            break;
        }
        case 3:
        case 4:  // type single characters wherever the caret is
            typeInto(someBox(), pick(characters) + (below(2) ? pick(characters) : QString()));
            break;
        case 5: {  // paste more than a box holds
            QString text;
            for (int i = 0, n = 2 + below(8); i < n; ++i)
                text += pick(characters);
            QGuiApplication::clipboard()->setText(below(2) ? text : pick(wholeTexts) + text);
            QLineEdit& box = someBox();
            box.setFocus();
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
            break;
        }
        case 6: {  // edit keys
            constexpr std::array keys = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Home, Qt::Key_End};
            QLineEdit& box = someBox();
            box.setFocus();
            QTest::keyClick(&box, keys[std::size_t(below(int(keys.size())))]);
            break;
        }
        case 7:
            QTest::mouseClick(&someBox(), Qt::LeftButton);
            break;
        case 8:
        case 9:
        case 10:
        case 11:
            calculateAndCheck();
            break;
        case 12:
            QTest::mouseClick(&form_->button(ui::main::form1::Command3), Qt::LeftButton);
            for (const app::LabelRef slot : resultSlots)
                QVERIFY(form_->label(slot).text().isEmpty());
            for (const app::TextBoxRef box : coefficientBoxes)
                QCOMPARE(form_->textBox(box).text(), QStringLiteral("0"));
            break;
        case 13:
            toggleInfoWindow(ui::main::form1::Command2, "Form2");
            break;
        case 14:
            toggleInfoWindow(ui::main::form1::Command4, "Form3");
            break;
        default:
            QVERIFY(form_->widget().isVisible());
            break;
        }
        if (QTest::currentTestFailed())
            return;
        checkInvariants();
        if (QTest::currentTestFailed())
            return;
    }

    QString counts;
    for (const auto& [kind, count] : reached_)
        counts += QStringLiteral("%1 %2\n").arg(kind, -16).arg(count);
    std::printf("after %d events:\n%s", events, qPrintable(counts));  // shown with -silent too
    for (const char* kind :
         {"QuadraticRoots", "LinearRoot", "AnyRealNumber", "NoSolution", "NoRealRoots", "TypeMismatch", "Overflow"})
        QVERIFY2(reached_[kind] > 0, kind);
}

}  // namespace

QTEST_MAIN(StressTest)
#include "tst_stress.moc"

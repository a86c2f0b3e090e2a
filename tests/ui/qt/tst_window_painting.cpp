// What the main window and the Help window paint, read from their pixels:
// roots cut off at their slot's edge on one line, the radical signs' bars,
// every fixed label's ink whole beside its neighbours and repainted when it
// changes, and the Help text wrapped between Chinese characters.
#include <tests/support/qt/ink.h>
#include <tests/support/qt/modal_box.h>
#include <tests/support/qt/standalone_window.h>

#include <app/qt/label.h>
#include <app/qt/startup.h>
#include <program/identity.h>
#include <program/qt/qt_program.h>
#include <ui/info/form2.h>
#include <ui/main/form1_description.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <array>
#include <memory>

namespace {

using namespace ui::main::form1;

const app::qt::Label& labelNamed(const app::qt::QtWindow& window, std::string_view name)
{
    return static_cast<const app::qt::Label&>(window.control(name));
}

QImage grabbed(QWidget& window)
{
    return window.grab().toImage();
}

// Where boxes and buttons lie above the labels and paint what they like.
QRegion boxesAndButtons(const app::qt::QtWindow& form)
{
    QRegion covered;
    for (const app::ControlDescription& control : ui::main::form1Description.controls) {
        if (control.kind != app::ControlKind::Label)
            covered += form.control(control.name).geometry();
    }
    return covered;
}

// The main window with nothing but one of its labels.
std::unique_ptr<app::qt::QtWindow> form1LabelAlone(std::string_view name)
{
    const app::WindowDescription& form1 = ui::main::form1Description;
    static app::ControlDescription only;
    for (const app::ControlDescription& control : form1.controls) {
        if (control.name == name)
            only = control;
    }
    app::WindowDescription description = form1;
    description.controls = std::span(&only, 1);
    description.readingOrder = {};  // the one label's
    return tests::standaloneWindow(description);
}

// The rows of a slot's single line, from its top to just below the baseline.
QRect firstLine(const QRect& slot, const QFont& font)
{
    const double em = font.pointSizeF() * 96.0 / 72.0;
    return QRect(slot.left(), slot.top(), slot.width(), std::min(slot.height(), int(0.86 * em) + 3));
}

}  // namespace

class WindowPaintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void slotsShowTheLeadingCharactersOnOneLine_data();
    void slotsShowTheLeadingCharactersOnOneLine();
    void radicalBarsShow_data();
    void radicalBarsShow();
    void everyLabelKeepsItsInk();
    void aNewCaptionRepaintsWhatReachedPastTheLabel();
    void helpTextWrapsBetweenChineseCharacters();

private:
    void calculate(const char* a, const char* b, const char* c);

    std::unique_ptr<program::QtProgram> tarvo_;
    app::qt::QtWindow* form_ = nullptr;
};

void WindowPaintingTest::initTestCase()
{
    app::qt::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()), program::identity);
}

void WindowPaintingTest::init()
{
    tarvo_ = std::make_unique<program::QtProgram>();
    form_ = &tarvo_->start();
    QVERIFY(QTest::qWaitForWindowExposed(&form_->widget()));
}

void WindowPaintingTest::cleanup()
{
    tarvo_.reset();
    tests::closeAllWindows();
}

void WindowPaintingTest::calculate(const char* a, const char* b, const char* c)
{
    form_->textBox(Text1).setText(QString::fromLatin1(a));
    form_->textBox(Text2).setText(QString::fromLatin1(b));
    form_->textBox(Text3).setText(QString::fromLatin1(c));
    QTest::mouseClick(&form_->button(Command1), Qt::LeftButton);
}

void WindowPaintingTest::slotsShowTheLeadingCharactersOnOneLine_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QStringList>("cutOff");  // slots whose text is wider than they are
    QTest::newRow("1, 0, -2") << "1"
                              << "0"
                              << "-2" << QStringList{"Label5", "Label6"};
    QTest::newRow("1, -1, -1") << "1"
                               << "-1"
                               << "-1" << QStringList{"Label5", "Label6"};
    QTest::newRow("2, -5, 1") << "2"
                              << "-5"
                              << "1" << QStringList{"Label5", "Label6"};
    QTest::newRow("linear 1.11111111111111E-09") << "0"
                                                 << "9e8"
                                                 << "-1" << QStringList{"Label5", "Label6"};
    QTest::newRow("large discriminant") << "1"
                                        << "4e4"
                                        << "0" << QStringList{"Label8", "Label11", "Label9", "Label12", "Label6"};
    QTest::newRow("short roots") << "1"
                                 << "-3"
                                 << "2" << QStringList{};
}

// Cut off at the slot's right edge, not broken onto a line below it; nothing
// of any slot reaches outside it; the whole text as a tooltip where it is cut.
void WindowPaintingTest::slotsShowTheLeadingCharactersOnOneLine()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QStringList, cutOff);
    const QImage before = grabbed(form_->widget());
    calculate(qPrintable(a), qPrintable(b), qPrintable(c));
    const QImage after = grabbed(form_->widget());

    QRegion slotsAndControls = boxesAndButtons(*form_);
    for (const app::LabelRef slot : resultSlots) {
        const app::qt::Label& label = form_->label(slot);
        slotsAndControls += label.inkArea();
        const QRect line = firstLine(label.geometry(), label.font());
        QCOMPARE(tests::inkIn(after, line) > 0, !label.text().isEmpty());
        const bool cut = cutOff.contains(QString::fromUtf8(slot.name));
        QCOMPARE(label.toolTip(), cut ? label.text() : QString());
        if (cut) {
            const QRect rightFifth(line.right() - line.width() / 5, line.top(), line.width() / 5, line.height());
            QVERIFY2(tests::inkIn(after, rightFifth) > 0, slot.name.data());
        }
    }
    for (const QRect& part : QRegion(form_->widget().rect()) - slotsAndControls) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            for (int x = part.left(); x <= part.right(); ++x)
                QVERIFY2(before.pixel(x, y) == after.pixel(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void WindowPaintingTest::radicalBarsShow_data()
{
    QTest::addColumn<QString>("label");
    QTest::newRow("x1") << "Label14";
    QTest::newRow("x2") << "Label15";
}

// The bar runs right from the top of the radical's stroke, at the label's top edge.
void WindowPaintingTest::radicalBarsShow()
{
    QFETCH(QString, label);
    const QRect radical = form_->control(label.toStdString()).geometry();
    const QImage image = grabbed(form_->widget());
    const int barRows = 3;
    const QRect bar(radical.center().x(), radical.top() - barRows + 1, radical.right() - radical.center().x(), barRows);
    QVERIFY2(tests::inkIn(image, bar) >= bar.width() / 2, qPrintable(QString::number(tests::inkIn(image, bar))));
}

// Painted beside its neighbours, each fixed label keeps all the ink it has
// alone, wherever no box or button lies above it.
void WindowPaintingTest::everyLabelKeepsItsInk()
{
    const QImage image = grabbed(form_->widget());
    const QRegion covered = boxesAndButtons(*form_);
    for (const app::ControlDescription& control : ui::main::form1Description.controls) {
        if (control.kind != app::ControlKind::Label)
            continue;
        const auto alone = form1LabelAlone(control.name);
        const app::qt::Label& label = labelNamed(*alone, control.name);
        const int lost = tests::inkLost(grabbed(alone->widget()), image, label.inkArea(), covered);
        QVERIFY2(lost == 0, qPrintable(QStringLiteral("%1 lost %2 ink pixels").arg(label.objectName()).arg(lost)));
    }
}

// On screen only what changed is repainted: the ink an old caption had above
// its label must go with it.
void WindowPaintingTest::aNewCaptionRepaintsWhatReachedPastTheLabel()
{
    app::qt::Label& radical = form_->label(Label14);
    const QRect above(radical.x(), radical.y() - 3, radical.width(), 3);
    const auto onScreen = [&] { return form_->widget().screen()->grabWindow(form_->widget().winId()).toImage(); };
    QTRY_VERIFY(tests::inkIn(onScreen(), above) > 0);
    radical.setText(QString());
    QTRY_COMPARE(tests::inkIn(onScreen(), above), 0);
}

void WindowPaintingTest::helpTextWrapsBetweenChineseCharacters()
{
    const auto help = tests::standaloneWindow(ui::info::form2Description);
    const app::qt::Label& text = labelNamed(*help, "Label1");
    const QImage image = grabbed(help->widget());
    const double em = text.font().pointSizeF() * 96.0 / 72.0;
    const auto line = [&](int index) {
        const double baseline = (0.86 + 1.15 * index) * em;
        return QRect(text.x(), text.y() + int(baseline - 0.8 * em), text.width(), int(0.8 * em) + 2);
    };
    const auto part = [](const QRect& band, double from, double to) {
        const int left = band.left() + int(from * band.width());
        return QRect(left, band.top(), int((to - from) * band.width()), band.height());
    };
    QCOMPARE(tests::inkIn(image, line(0)), 0);                   // the empty first line
    QVERIFY(tests::inkIn(image, part(line(1), 0.85, 1.0)) > 0);  // "1.本计算器…" fills its line
    QVERIFY(tests::inkIn(image, part(line(2), 0.0, 0.4)) > 0);   // and goes on below: "二次方程"
    QCOMPARE(tests::inkIn(image, part(line(2), 0.4, 1.0)), 0);
}

QTEST_MAIN(WindowPaintingTest)
#include "tst_window_painting.moc"

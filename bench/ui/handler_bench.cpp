// Latency of the main window's handlers, from the click to the last slot
// written. Runs on whatever platform QT_QPA_PLATFORM names (offscreen in make).
#include <app/qt/label.h>
#include <app/qt/startup.h>
#include <program/identity.h>
#include <program/qt/qt_program.h>
#include <ui/main/form1_description.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace ui::main::form1;

app::qt::QtWindow* form = nullptr;

void setBoxes(const char* a, const char* b, const char* c)
{
    form->textBox(Text1).setText(QString::fromLatin1(a));
    form->textBox(Text2).setText(QString::fromLatin1(b));
    form->textBox(Text3).setText(QString::fromLatin1(c));
}

void Command1Click(benchmark::State& state)
{
    setBoxes("1", "0", "-2");
    for (auto _ : state) {
        QTest::mouseClick(&form->button(Command1), Qt::LeftButton);
        benchmark::DoNotOptimize(form->label(Label6).text());
    }
    if (form->label(Label6).text() != QLatin1String("-1.4142135623731"))
        state.SkipWithError("the click did not calculate");
}
BENCHMARK(Command1Click);

void Command3Click(benchmark::State& state)
{
    for (auto _ : state) {
        QTest::mouseClick(&form->button(Command3), Qt::LeftButton);
        benchmark::DoNotOptimize(form->label(Label13).text());
    }
}
BENCHMARK(Command3Click);

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    app::qt::prepareApplication(application, program::identity);
    program::QtProgram tarvo;
    form = &tarvo.start();
    if (!QTest::qWaitForWindowExposed(&form->widget()))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

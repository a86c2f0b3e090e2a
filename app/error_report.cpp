#include "error_report.h"

#include <calc/run_time_error.h>

#include <QAbstractButton>
#include <QMessageBox>

#include <array>

namespace app {
namespace {

struct Described {
    int number;
    const char* description;
};

constexpr std::array descriptions{
    Described{5, "无效的过程调用或参数"},  // an invalid floating-point operation
    Described{6, "溢出"},
    Described{outOfMemoryErrorNumber, "内存不足"},
    Described{11, "除数为零"},
    Described{13, "类型不匹配"},
    Described{internalErrorNumber, "内部错误"},
};

}  // namespace

QString errorDescription(int number)
{
    for (const Described& entry : descriptions) {
        if (entry.number == number)
            return QString::fromUtf8(entry.description);
    }
    return QStringLiteral("未知错误");
}

QString errorReportText(int number)
{
    return QStringLiteral("运行时错误 '%1':\n\n%2").arg(number).arg(errorDescription(number));
}

void reportError(int number)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tarvo"), errorReportText(number),
                    QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void reportRunTimeError(const calc::RunTimeError& error)
{
    reportError(error.number());
}

}  // namespace app

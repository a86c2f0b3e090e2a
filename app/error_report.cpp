#include "error_report.h"

#include "message_box.h"

#include <calc/run_time_error.h>

#include <QAbstractButton>
#include <QMessageBox>

#include <array>
#include <type_traits>
#include <variant>

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

// By calc::Coefficient: A, B, C.
constexpr std::array coefficientNames{"a", "b", "c"};
constexpr const char* coefficientTextFailed = "系数 %1 的输入“%2”无法转换为整数。";
constexpr const char* discriminantOverflowed = "判别式 b² − 4ac 超出了整数范围。";

// One sentence on what the error came from; empty when it is not known.
QString sourceText(const calc::ErrorSource& source)
{
    return std::visit(
        [](const auto& from) -> QString {
            using From = std::decay_t<decltype(from)>;
            if constexpr (std::is_same_v<From, calc::CoefficientText>)
                return QString::fromUtf8(coefficientTextFailed)
                    .arg(QString::fromUtf8(coefficientNames.at(std::size_t(from.coefficient))),
                         QString::fromStdString(from.text));
            else if constexpr (std::is_same_v<From, calc::DiscriminantRange>)
                return QString::fromUtf8(discriminantOverflowed);
            else
                return {};
        },
        source);
}

void showReport(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tarvo"), text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    removeButtonIcons(box);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

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

QString errorReportText(const calc::RunTimeError& error)
{
    const QString source = sourceText(error.source());
    const QString report = errorReportText(error.number());
    return source.isEmpty() ? report : report + QStringLiteral("\n\n") + source;
}

void reportError(int number)
{
    showReport(errorReportText(number));
}

void reportRunTimeError(const calc::RunTimeError& error)
{
    showReport(errorReportText(error));
}

}  // namespace app

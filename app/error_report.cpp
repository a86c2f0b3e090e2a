#include "error_report.h"

#include <calc/run_time_error.h>

#include <QAbstractButton>
#include <QMessageBox>

namespace app {

QString errorDescription(int number)
{
    const std::string_view description = describeError(number);
    return QString::fromUtf8(description.data(), qsizetype(description.size()));
}

QString errorReportText(int number)
{
    return QString::fromStdString(runTimeErrorReport(number));
}

void reportError(int number)
{
    const QString title = QString::fromUtf8(errorReportTitle.data(), qsizetype(errorReportTitle.size()));
    QMessageBox box(QMessageBox::Critical, title, errorReportText(number), QMessageBox::Ok);
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

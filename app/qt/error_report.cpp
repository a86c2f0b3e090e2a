#include "error_report.h"

#include "message_box.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace app::qt {

void showErrorReport(std::string_view title, std::string_view text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(title.data(), qsizetype(title.size())),
                    QString::fromUtf8(text.data(), qsizetype(text.size())), QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    removeButtonIcons(box);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace app::qt

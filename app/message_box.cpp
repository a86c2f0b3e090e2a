#include "message_box.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace app {

void showMessageBox(std::string_view prompt)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("提示"),
                    QString::fromUtf8(prompt.data(), qsizetype(prompt.size())),
                    QMessageBox::Yes | QMessageBox::No);
    // Fixed texts: installed translations may name these buttons otherwise.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    removeButtonIcons(box);
    box.setEscapeButton(QMessageBox::No);  // so that Esc and the close button dismiss it too
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void removeButtonIcons(QMessageBox& box)
{
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
}

}  // namespace app

#include "message_box.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace app::qt {
namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

MessageBoxAnswer showMessageBox(const MessageBoxRequest& request)
{
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(request.title), fromUtf8(request.prompt),
                    QMessageBox::Yes | QMessageBox::No);
    // Fixed texts: installed translations may name these buttons otherwise.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    removeButtonIcons(box);
    box.setEscapeButton(QMessageBox::No);  // so that Esc and the close button dismiss it too
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
}

void removeButtonIcons(QMessageBox& box)
{
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
}

}  // namespace app::qt

#include "modal_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QTest>
#include <QTimer>

namespace tests {

SeenModalBox whileAnsweringModalBox(const std::function<void()>& act, const Dismissal& dismiss)
{
    SeenModalBox seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || seen.seen)
            return;
        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttonTexts << button->text();
            seen.buttonIcons = seen.buttonIcons || !button->icon().isNull();
        }
        seen.icon = box->icon();
        seen.modality = box->windowModality();
        poll.stop();
        QPointer<QMessageBox> guard(box);
        dismiss(*box);
        // A dismissal that left the box open fails the test; the box is then
        // closed only so that the test does not hang.
        QTimer::singleShot(1000, guard, [guard] {
            if (guard && guard->isVisible()) {
                QTest::qFail("the dismissal left the box open", __FILE__, __LINE__);
                guard->done(0);
            }
        });
    });
    poll.start();
    act();
    poll.stop();
    return seen;
}

void clickButtonWithText(QMessageBox& box, const QString& text)
{
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
}

Dismissal clickingButton(const QString& text)
{
    return [text](QMessageBox& box) { clickButtonWithText(box, text); };
}

Dismissal pressingEscape()
{
    return [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); };
}

Dismissal closingTheWindow()
{
    return [](QMessageBox& box) { box.close(); };
}

namespace {

class ButtonIconStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

void useButtonIconStyle()
{
    QApplication::setStyle(new ButtonIconStyle);
}

void closeAllWindows()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace tests

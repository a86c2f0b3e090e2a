#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

namespace tests {

// What a modal message box showed while a test drove the program.
struct SeenModalBox {
    bool seen = false;
    QString title;
    QString text;
    QStringList buttonTexts;   // in the box's order
    bool buttonIcons = false;  // some button shows a picture beside its text
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowModality modality = Qt::NonModal;
};

using Dismissal = std::function<void(QMessageBox&)>;

// Runs `act`; when it opens a modal message box, records the box and then
// dismisses it with `dismiss`. Returns what the first box showed. A box that
// is still open a second after its dismissal fails the current test.
SeenModalBox whileAnsweringModalBox(const std::function<void()>& act, const Dismissal& dismiss);

// Dismissals a user can choose.
void clickButtonWithText(QMessageBox& box, const QString& text);
Dismissal clickingButton(const QString& text);
Dismissal pressingEscape();
Dismissal closingTheWindow();

// Makes the application's style put pictures on the standard buttons of
// message boxes, as desktop styles do, so that tests see whether boxes take
// them off again.
void useButtonIconStyle();

// Closes every top-level window and runs their deferred deletions.
void closeAllWindows();

}  // namespace tests

Q_DECLARE_METATYPE(tests::Dismissal)

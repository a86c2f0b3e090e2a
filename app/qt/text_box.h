#pragma once

#include <QLineEdit>

namespace app::qt {

// A single-line text box that reports a click once the click has placed the
// caret, so that a click handler may select the text without the click
// undoing it.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Sets the most characters the box holds, for typing and pasting alike.
    void setCharacterLimit(int limit);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace app::qt

#pragma once

#include <QLineEdit>

#include <optional>

namespace app::qt {

// A single-line text box that reports a click once the click has placed the
// caret, so that a click handler may select the text without the click
// undoing it. Every box of the program holds a number: it takes no
// input method.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // Sets the most characters the box holds. Typing beyond it is refused; of
    // a paste, a drop or an input method's text only what fits is inserted,
    // where the whole would have gone. Either way undo goes on working.
    void setCharacterLimit(int limit);

    using QLineEdit::inputMethodQuery;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void insertWhatFits();

    int limit_ = 0;
    std::optional<QString> refused_;  // the text an edit would have made
};

}  // namespace app::qt

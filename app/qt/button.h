#pragma once

#include <QPushButton>

namespace app::qt {

// A push button that is never a default button, yet Enter or Return on it
// when it has the focus clicks it, as Space does.
class Button : public QPushButton {
    Q_OBJECT
public:
    Button(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace app::qt

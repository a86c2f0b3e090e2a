#pragma once

#include <QWidget>

#include <functional>

namespace app::qt {

// The top-level widget of a window. Closing it runs `closed`; a notice window
// (no control takes the focus) also closes on Escape and reads as a dialog
// whose description is all it says.
class WindowWidget : public QWidget {
    Q_OBJECT
public:
    WindowWidget(bool notice, std::function<void()> closed);

    bool isNotice() const { return notice_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool notice_;
    std::function<void()> closed_;
};

}  // namespace app::qt

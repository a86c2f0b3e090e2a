#pragma once

#include <QWidget>

#include <functional>
#include <vector>

namespace app::qt {

// The top-level widget of a window. Closing it runs `closed`; a notice window
// (no control takes the focus) also closes on Escape and reads as a dialog
// whose description is all it says. A screen reader meets its controls in its
// reading order.
class WindowWidget : public QWidget {
    Q_OBJECT
public:
    WindowWidget(bool notice, std::function<void()> closed);

    bool isNotice() const { return notice_; }

    // The controls as a screen reader reads them; children not named here follow them.
    void setReadingOrder(std::vector<const QObject*> controls) { readingOrder_ = std::move(controls); }
    const std::vector<const QObject*>& readingOrder() const { return readingOrder_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool notice_;
    std::function<void()> closed_;
    std::vector<const QObject*> readingOrder_;
};

}  // namespace app::qt

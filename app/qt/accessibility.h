#pragma once

#include <QWidget>

namespace app::qt {

// Installs, once, the accessible interfaces Qt lacks: the announcer's
// notification role, drawn-only labels hidden from screen readers, windows
// whose children come in their reading order, and notice windows read whole
// as dialogs. Called before the first window is built.
void installAccessibleInterfaces();

// An invisible child of a window whose showing a screen reader speaks at
// once, without moving the focus: Orca speaks a notification when it shows,
// where it ignores a label's change of name.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget& window);

    void announce(const QString& text);
};

}  // namespace app::qt

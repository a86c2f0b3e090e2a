#pragma once

#include <QLabel>

namespace app::qt {

// A caption: plain text from the top-left corner, wrapped at blanks and between
// Chinese characters, cut off at the label's edges, never growing.
//
// Lines are laid out with the metrics of the named Chinese faces: the first
// baseline 0.86 em below the top, each further line 1.15 em lower. The CJK faces
// that stand in for them have a taller ascent and line spacing, which would push
// captions out of labels sized for the named faces.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace app::qt

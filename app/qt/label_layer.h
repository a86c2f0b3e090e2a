#pragma once

#include <QWidget>

#include <vector>

namespace app::qt {

class Label;

// Paints a window's labels beneath all of its controls: first the background
// of every label, then every caption, so that where labels overlap no label's
// background covers another label's ink. Later labels' captions lie on top.
class LabelLayer : public QWidget {
public:
    // Covers the whole of `window`, whose size is already fixed.
    explicit LabelLayer(QWidget& window);

    // Labels of the same window, in the order they are stacked, lowest first.
    void addLabel(const Label& label);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<const Label*> labels_;
};

}  // namespace app::qt

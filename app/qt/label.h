#pragma once

#include <app/text.h>

#include <QLabel>

class QAction;
class QPainter;

namespace app::qt {

// A caption: plain text from the top-left corner, laid out by the shared
// rules of app/text.h, cut off at the label's right and bottom edges, never
// growing. Glyphs may still reach a little above or left of the label (the
// radical sign's bar, an italic's slant); that ink is kept.
//
// The window's LabelLayer paints the background and the caption; the widget
// itself is transparent and only takes the mouse: tooltips, context menus.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString& caption, QWidget* parent);

    // Ink that says nothing aloud: hidden from screen readers. Set before the window shows.
    void setDrawnOnly();
    bool isDrawnOnly() const { return drawnOnly_; }

    // Where the caption's ink may fall, in the parent's coordinates.
    QRect inkArea() const;

    // A handler's caption, with the tooltip the shared rule gives it.
    void setCaption(const QString& caption);

    // A context menu with "复制", which copies the whole caption, cut off or
    // not; greyed while the caption is empty.
    void offerCopy();

    // The painter works in the parent's coordinates.
    void paintBackground(QPainter& painter) const;
    void paintCaption(QPainter& painter) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString repaintedCaption_;  // the caption whose ink area the parent last repainted
    CaptionSource source_ = CaptionSource::Table;
    QAction* copy_ = nullptr;
    bool drawnOnly_ = false;
};

}  // namespace app::qt

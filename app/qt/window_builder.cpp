#include "window_builder.h"

#include "accessibility.h"
#include "button.h"
#include "fonts.h"
#include "label.h"
#include "label_layer.h"
#include "text_box.h"

#include <app/spoken_text.h>

#include <QString>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace app::qt {
namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The data separates lines with "\r\n"; Qt's texts, and the clipboard the
// label's copy menu fills, use "\n" alone.
QString captionText(std::string_view text)
{
    return fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void applyFont(QWidget& widget, const ControlDescription& description)
{
    if (description.font)
        widget.setFont(toQFont(*description.font));
}

QWidget* makeLabel(QWidget& window, const ControlDescription& description, LabelLayer& layer)
{
    auto* label = new Label(captionText(description.text), &window);
    layer.addLabel(*label);
    applyFont(*label, description);
    if (description.copyable)
        label->offerCopy();
    if (description.drawnOnly)
        label->setDrawnOnly();
    if (description.backColour) {
        const Rgb colour = *description.backColour;
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
        // A fixed light back colour needs a fixed dark text colour, whatever the theme.
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    return label;
}

QWidget* makeTextBox(QWidget& window, const ControlDescription& description)
{
    auto* box = new TextBox(&window);
    applyFont(*box, description);  // before the text, which is then laid out once
    if (description.maxLength > 0)
        box->setCharacterLimit(description.maxLength);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setText(fromUtf8(description.text));
    return box;
}

QWidget* makeButton(QWidget& window, const ControlDescription& description)
{
    auto* button = new Button(fromUtf8(description.text), &window);
    applyFont(*button, description);
    return button;
}

QWidget* makeControl(QWidget& window, const ControlDescription& description, LabelLayer& layer)
{
    switch (description.kind) {
    case ControlKind::Label:
        return makeLabel(window, description, layer);
    case ControlKind::TextBox:
        return makeTextBox(window, description);
    case ControlKind::Button:
        return makeButton(window, description);
    }
    Q_UNREACHABLE();
}

void applyFocusOrder(const std::vector<std::pair<int, QWidget*>>& placed)
{
    if (placed.empty())
        return;
    for (std::size_t i = 1; i < placed.size(); ++i)
        QWidget::setTabOrder(placed[i - 1].second, placed[i].second);
    // The window opens focused there; typing into a box replaces its text.
    QWidget& first = *placed.front().second;
    first.setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(&first))
        box->selectAll();
}

}  // namespace

int twipsToPixels(int twips)
{
    return int(std::lround(double(twips) / twipsPerPixel));
}

std::map<std::string, QWidget*, std::less<>> buildControls(QWidget& window, const WindowDescription& description)
{
    if (!hasUniqueNonEmptyNames(description.controls))
        throw std::invalid_argument(std::string(description.name) + ": a control without a name, or two of one name");
    installAccessibleInterfaces();
    window.setWindowTitle(fromUtf8(description.caption));
    window.setFont(toQFont(windowDefaultFont));
    window.setFixedSize(twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight));

    auto* labelLayer = new LabelLayer(window);
    std::map<std::string, QWidget*, std::less<>> controls;
    std::vector<std::pair<int, QWidget*>> focusPlaces;
    for (const ControlDescription& control : description.controls) {
        QWidget* widget = makeControl(window, control, *labelLayer);
        widget->setObjectName(fromUtf8(control.name));
        widget->setGeometry(twipsToPixels(control.left), twipsToPixels(control.top), twipsToPixels(control.width),
                            twipsToPixels(control.height));
        if (!control.accessibleName.empty())
            widget->setAccessibleName(QString::fromStdString(spokenName(control, control.text)));
        if (!control.accessibleDescription.empty())
            widget->setAccessibleDescription(fromUtf8(control.accessibleDescription));
        if (control.focusOrder >= 0)
            focusPlaces.emplace_back(control.focusOrder, widget);
        controls.emplace(std::string(control.name), widget);
    }
    // Later controls lie above earlier ones; boxes and buttons above every label.
    for (const ControlDescription& control : description.controls) {
        if (control.kind != ControlKind::Label)
            controls.find(control.name)->second->raise();
    }
    std::ranges::sort(focusPlaces, {}, &std::pair<int, QWidget*>::first);
    applyFocusOrder(focusPlaces);
    return controls;
}

}  // namespace app::qt

#include "accessibility.h"

#include "label.h"
#include "window_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>
#include <vector>

namespace app::qt {
namespace {

// A widget of a role Qt's own interfaces do not give it.
class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text kind) const override
    {
        // Qt's default name of a widget without one is its window title.
        if (kind == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(kind);
    }
};

// Ink such as the exponent of x², which the label before it already says.
class HiddenAccessible : public QAccessibleWidget {
public:
    explicit HiddenAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// A window whose children come in its reading order. Qt's own come in the
// stacking order, which keeps the table's.
class WindowAccessible : public QAccessibleWidget {
public:
    WindowAccessible(WindowWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const std::vector<QAccessibleInterface*> all = children();
        return index >= 0 && index < int(all.size()) ? all[std::size_t(index)] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<QAccessibleInterface*> all = children();
        const auto found = std::ranges::find(all, child);
        return found == all.end() ? -1 : int(found - all.begin());
    }

private:
    std::vector<QAccessibleInterface*> children() const
    {
        std::vector<QAccessibleInterface*> all;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
            all.push_back(QAccessibleWidget::child(i));
        const std::vector<const QObject*>& order = static_cast<const WindowWidget*>(widget())->readingOrder();
        std::ranges::stable_sort(all, {}, [&order](const QAccessibleInterface* child) {
            return std::ranges::find(order, child->object()) - order.begin();
        });
        return all;
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("app::qt::Announcer"))
        return new RoleAccessible(static_cast<QWidget*>(object), QAccessible::Notification);
    if (className == QLatin1String("app::qt::WindowWidget")) {
        auto* window = static_cast<WindowWidget*>(object);
        return new WindowAccessible(window, window->isNotice() ? QAccessible::Dialog : QAccessible::Client);
    }
    if (className == QLatin1String("app::qt::Label") && static_cast<Label*>(object)->isDrawnOnly())
        return new HiddenAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
}

Announcer::Announcer(QWidget& window) : QWidget(&window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
    hide();
}

// Each announcement is a notification that shows anew.
void Announcer::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}

}  // namespace app::qt

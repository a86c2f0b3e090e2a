#include "accessibility.h"

#include "label.h"
#include "window_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>

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

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("app::qt::Announcer"))
        return new RoleAccessible(static_cast<QWidget*>(object), QAccessible::Notification);
    if (className == QLatin1String("app::qt::WindowWidget") && static_cast<WindowWidget*>(object)->isNotice())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
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

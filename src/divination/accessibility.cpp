// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "divination/linklabel.h"

#include <QAccessibleWidget>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace {

const char roleProperty[] = "cubomancerAccessibleRole";
const char hiddenProperty[] = "cubomancerAccessibleHidden";

bool hiddenFromAccessibility(const QWidget *widget)
{
    return widget->property(hiddenProperty).toBool();
}

// One interface for every widget the forms mark: its role, the marked children left out, and,
// for link labels, the Press action that a click would give.
class FormPartAccessible : public QAccessibleWidget
{
public:
    FormPartAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (hiddenFromAccessibility(widget())) {
            state.invisible = true;
            state.offscreen = true;
            state.focusable = false;
        }
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto *label = qobject_cast<const LinkLabel *>(widget()))
                return label->text();
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return int(presentedChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = presentedChildren();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child == nullptr || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(presentedChildren().indexOf(static_cast<QWidget *>(child->object())));
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (link() != nullptr && widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && link() != nullptr && widget()->isEnabled()) {
            link()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    LinkLabel *link() const { return qobject_cast<LinkLabel *>(widget()); }

    QList<QWidget *> presentedChildren() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child != nullptr && !child->isWindow() && qobject_cast<QMenu *>(child) == nullptr &&
                !hiddenFromAccessibility(child))
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface *formPartInterface(const QString &className, QObject *object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    const QVariant role = widget->property(roleProperty);
    if (role.isValid())
        return new FormPartAccessible(widget, static_cast<QAccessible::Role>(role.toInt()));
    if (className == QLatin1String("LinkLabel"))
        return new FormPartAccessible(widget, QAccessible::Link);
    return nullptr;
}

// An interface Qt made before the mark was set, when the form gave the widget its name, would
// otherwise stay in its cache.
void forgetInterface(QWidget *widget)
{
    if (QAccessibleInterface *existing = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(&formPartInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    installAccessibleInterfaces();
    widget->setProperty(roleProperty, int(role));
    forgetInterface(widget);
}

void markAsDecoration(QWidget *widget)
{
    widget->setProperty(hiddenProperty, true);
    widget->setAccessibleName(QString());
}

void setCovered(QWidget *widget, bool covered)
{
    if (widget->property(hiddenProperty).toBool() == covered &&
        widget->property(hiddenProperty).isValid())
        return;
    widget->setProperty(hiddenProperty, covered);
    if (!QAccessible::isActive())
        return;
    // Only the showing state: the children-changed signal that a reorder event would raise
    // reaches clients malformed from this Qt's bridge, and they drop it.
    QAccessibleEvent event(widget, covered ? QAccessible::ObjectHide : QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

void announce(QWidget *window, const QString &message)
{
    if (!QAccessible::isActive())
        return;
    // A child that is never shown: screen readers speak a notification when it says it has
    // appeared, and it is kept out of the window's reviewable content.
    static const char announcerName[] = "cubomancerAnnouncer";
    auto *announcer =
        window->findChild<QWidget *>(QLatin1String(announcerName), Qt::FindDirectChildrenOnly);
    if (announcer == nullptr) {
        announcer = new QWidget(window);
        // Hidden explicitly, so that showing the window never shows it with the other children.
        announcer->hide();
        announcer->setObjectName(QLatin1String(announcerName));
        announcer->setProperty(hiddenProperty, true);
        setAccessibleRole(announcer, QAccessible::Notification);
    }
    announcer->setAccessibleName(message);
    QAccessibleEvent event(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

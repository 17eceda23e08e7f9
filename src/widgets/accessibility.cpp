// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QMenu>
#include <QVariant>
#include <QWidget>

#include <optional>

namespace {

const char roleProperty[] = "accessibleRole";
const char decorationProperty[] = "cubomancerDecoration";

std::optional<QAccessible::Role> formRole(const QWidget *widget)
{
    const QByteArray role = widget->property(roleProperty).toByteArray();
    if (role == "grouping")
        return QAccessible::Grouping;
    if (role == "dialog")
        return QAccessible::Dialog;
    if (role == "notification")
        return QAccessible::Notification;
    return std::nullopt;
}

// A caption as read out: "&&" shows one ampersand, "&x" an underlined x.
QString withoutAccessKeyMarks(const QString &caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        plain.append(caption.at(i));
    }
    return plain;
}

// One interface for every widget the forms give a role, and for links: the decorations left out
// of the children, and for a link its caption as its name and the Press action a click gives.
class FormPartAccessible : public QAccessibleWidget
{
public:
    FormPartAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && link() != nullptr && widget()->accessibleName().isEmpty())
            return withoutAccessKeyMarks(link()->text());
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
    QAbstractButton *link() const
    {
        return role() == QAccessible::Link ? static_cast<QAbstractButton *>(widget()) : nullptr;
    }

    QList<QWidget *> presentedChildren() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child != nullptr && !child->isWindow() && qobject_cast<QMenu *>(child) == nullptr &&
                !child->property(decorationProperty).toBool())
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
    if (const std::optional<QAccessible::Role> role = formRole(widget))
        return new FormPartAccessible(widget, *role);
    if (className == QLatin1String("LinkButton"))
        return new FormPartAccessible(widget, QAccessible::Link);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(&formPartInterface);
}

void markAsDecoration(QWidget *widget)
{
    widget->setProperty(decorationProperty, true);
    widget->setAccessibleName(QString());
}

void announce(QWidget *window, const QString &message)
{
    if (!QAccessible::isActive())
        return;
    // Qt 6.4 has no announcement event (Qt 6.8 adds QAccessibleAnnouncementEvent). Orca 43 speaks
    // a notification's name when told it has appeared: a child that is never shown stands in.
    static const char announcerName[] = "cubomancerAnnouncer";
    auto *announcer =
        window->findChild<QWidget *>(QLatin1String(announcerName), Qt::FindDirectChildrenOnly);
    if (announcer == nullptr) {
        announcer = new QWidget(window);
        announcer->setProperty(roleProperty, QByteArrayLiteral("notification"));
        announcer->setProperty(decorationProperty, true);
        // Hidden explicitly, so that showing the window never shows it with the other children.
        announcer->hide();
        announcer->setObjectName(QLatin1String(announcerName));
    }
    announcer->setAccessibleName(message);
    QAccessibleEvent event(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

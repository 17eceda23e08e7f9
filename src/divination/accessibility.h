// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>

class QWidget;

// How the forms present themselves to screen readers where a widget's own accessible name and
// description are not enough: panels that are groupings rather than windows, decorations and
// covered parts left out of what a screen reader reviews, link labels that are links with a
// Press action. The marks are plain widget properties, read by the interfaces that one factory
// makes when Qt asks for them; a start without an assistive technology pays for the properties
// and for dropping the few interfaces Qt may have made before a widget was marked (about 0.1 %
// of the instructions of a start).

// Gives the widget this role on the accessibility bus. Its children marked below are left out
// of its accessible children, so every widget that holds such a child is given a role here.
// Call right after the form's setupUi.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// A picture or a line that only decorates: not presented at all.
void markAsDecoration(QWidget *widget);

// Panels and labels that share one place: the one lying under the other is not presented,
// though it stays where it is on screen. Announces the change when an assistive technology
// listens.
void setCovered(QWidget *widget, bool covered);

// Has a screen reader say the message now, as a notification, without moving the focus or
// changing what the window shows. Does nothing when no assistive technology listens.
void announce(QWidget *window, const QString &message);

// Installs the factory once; cheap, and nothing else runs until Qt asks for an interface.
void installAccessibleInterfaces();

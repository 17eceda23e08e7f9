// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

// How the forms present themselves to screen readers where the toolkit's own interfaces are not
// enough. A form gives a widget a role with the dynamic property accessibleRole in its .ui file
// ("grouping" for a panel, "dialog" for a window that is one); the property is set before the
// widget is named, and so before the toolkit makes the widget's interface. Every LinkButton is a
// link whose Press action clicks it. A panel shown or hidden needs nothing here: the toolkit
// reports a hidden one as neither visible nor showing, and screen readers pass it over.

// Puts the interfaces described here before the toolkit's own. Call once, after the application
// object is built and before any window is.
void installAccessibleInterfaces();

// A picture or a line that only decorates: not presented at all. Its parent must carry a role,
// whose interface leaves the decoration out of its children.
void markAsDecoration(QWidget *widget);

// Has a screen reader say the message now, as a notification, without moving the focus or
// changing what the window shows. Does nothing when no assistive technology listens.
void announce(QWidget *window, const QString &message);

// SPDX-License-Identifier: MIT
#pragma once

class QAbstractButton;
class QLabel;
class QString;
class QWidget;

// How the program's windows look and where they appear, beyond what their .ui files can hold.
// Every window is built the same way: setupUi, then setUpWindow. Its fonts and colours are in
// its .ui file, links are LinkButtons there, and wherever the form fixes a background it fixes
// the text colour on it too, so a dark desktop theme cannot turn text on the light panels pale.

// Gives a window the program's title and icon, adopts its form's fonts, centres it by its outer
// frame when it is first shown (see centreWhenShown), and makes each press of a button's access
// key a click at once, the focus moved to the button first, as a click does.
void setUpWindow(QWidget *window);

// Snaps the point sizes of the form's fonts to whole pixels at 96 dpi, the sizes the layout was
// drawn with (8 pt is the 11-pixel 8.25 pt). A system without Verdana or MS Sans Serif draws them
// with DejaVu Sans, through Qt's font substitutions. Call once, right after setupUi.
void adoptFormFonts(QWidget *form);
// The same for one widget's own font.
void adoptFont(QWidget *widget);

// Qt mirrors what its layouts place, not what a form places by hand: under a right-to-left
// language each placed control moves to the mirror place in its container. Texts then align to
// the reading side by Qt's own rule; pictures are not mirrored. setUpWindow calls it.
void mirrorForReadingDirection(QWidget *window);

// A label or link sized to its text takes the size of its caption, keeping its top edge and the
// edge its text starts from (the left, or the right under a right-to-left language).
void fitToText(QWidget *widget);
void setSizedCaption(QLabel *label, const QString &caption);

// Moves a widget, as little as needed, back towards where its text starts, so that it ends
// within leftEdge and rightEdge; never past the edge it starts from.
void keepWithin(QWidget *widget, int leftEdge, int rightEdge);

// Shrinks a one-line link's font, a quarter point at a time, until its caption fits its box:
// substitutes for Verdana run wider than Verdana itself, and some scripts taller.
void shrinkToFit(QAbstractButton *link);

// Places a window's outer frame, as far as its size is known yet, in the middle of the
// available area of its screen.
void centreOnScreen(QWidget *window);

// Centres the window when it is first shown, and once more as soon as the window manager has
// framed it: only then are the title bar and borders known, and without them the frame would
// sit low by half their height.
void centreWhenShown(QWidget *window);

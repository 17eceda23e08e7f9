// SPDX-License-Identifier: MIT
#pragma once

class QColor;
class QLabel;
class QString;
class QWidget;

// How the program's forms look, beyond what their .ui files can hold.

// Gives each font of the form that asks for Verdana or MS Sans Serif a stand-in with close
// metrics for systems that lack it, and snaps point sizes to whole pixels at 96 dpi, the sizes
// the layout was drawn with (8 pt is the 11-pixel 8.25 pt). Call once, right after setupUi.
void adoptFormFonts(QWidget *form);

// Opaque background and text colour, inherited by the children through the palette. The text
// colour is always set, so a dark desktop theme cannot turn text on the light panels pale.
void setColours(QWidget *widget, const QColor &background, const QColor &text);
void setTextColour(QWidget *widget, const QColor &text);

// A label sized to its text takes the size of its caption, keeping its left and top edges.
void fitToText(QLabel *label);
void setSizedCaption(QLabel *label, const QString &caption);

// Moves a widget left, as little as needed, so that it ends at rightEdge; never past leftEdge.
void keepLeftOf(QWidget *widget, int rightEdge, int leftEdge);

// Places a window in the middle of the available area of its screen.
void centreOnScreen(QWidget *window);

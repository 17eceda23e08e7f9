// SPDX-License-Identifier: MIT
#include "formlook.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

QStringList withStandIn(const QStringList &families)
{
    static const QString standIn = QStringLiteral("DejaVu Sans");
    if (families.isEmpty() || families.contains(standIn))
        return families;
    const QString &first = families.first();
    if (first.compare(QLatin1String("Verdana"), Qt::CaseInsensitive) == 0 ||
        first.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return families + QStringList{standIn};
    return families;
}

void adoptFont(QWidget *widget)
{
    QFont font = widget->font();
    const qreal points = font.pointSizeF();
    if (points > 0)
        font.setPointSizeF(std::round(points * 96.0 / 72.0) * 72.0 / 96.0);
    font.setFamilies(
        withStandIn(font.families().isEmpty() ? QStringList{font.family()} : font.families()));
    widget->setFont(font);
}

} // namespace

void adoptFormFonts(QWidget *form)
{
    // Parents first, so that children without a font of their own inherit the adopted one.
    adoptFont(form);
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child->testAttribute(Qt::WA_SetFont))
            adoptFont(child);
    }
}

void setColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

void fitToText(QLabel *label)
{
    label->resize(label->sizeHint());
}

void setSizedCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
    fitToText(label);
}

void keepLeftOf(QWidget *widget, int rightEdge, int leftEdge)
{
    const int overhang = widget->x() + widget->width() - rightEdge;
    if (overhang > 0)
        widget->move(std::max(leftEdge, widget->x() - overhang), widget->y());
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (screen == nullptr)
        return;
    // move() places the frame's corner, so centre the frame, decorations included where the
    // window system has told us their size.
    window->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->frameSize(),
                                     screen->availableGeometry())
                     .topLeft());
}

// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QColor>
#include <QImage>
#include <QList>
#include <QWidget>

#include <algorithm>
#include <cmath>

// What a screen reader can reach from root by walking the accessible children that are not
// hidden, root excluded.
inline QList<QAccessibleInterface *> reachableInterfaces(QWidget *root)
{
    QList<QAccessibleInterface *> reached;
    QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(root)};
    while (!pending.isEmpty()) {
        QAccessibleInterface *accessible = pending.takeFirst();
        for (int i = 0; i < accessible->childCount(); ++i) {
            if (accessible->child(i)->state().invisible)
                continue;
            reached.append(accessible->child(i));
            pending.append(accessible->child(i));
        }
    }
    return reached;
}

// Contrast ratio of two colours as the web content guidelines define it, from 1 to 21.
inline double contrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](int value) {
            const double v = value / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a link label's focus cue, drawn along its edge, against the colours around
// it: what lies under it without the focus, and what lies just outside it. 0 without a cue.
inline double focusCueContrast(QWidget *link)
{
    QWidget *window = link->window();
    link->clearFocus();
    const QImage before = window->grab().toImage();
    link->setFocus(Qt::TabFocusReason);
    const QImage after = window->grab().toImage();
    for (int x = 0; x < link->width(); ++x) {
        const QPoint edge = link->mapTo(window, QPoint(x, 0));
        if (after.pixelColor(edge) == before.pixelColor(edge))
            continue;
        const QColor cue = after.pixelColor(edge);
        return std::min(contrastRatio(cue, before.pixelColor(edge)),
                        contrastRatio(cue, before.pixelColor(edge - QPoint(0, 1))));
    }
    return 0;
}

// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QRect>
#include <QTest>

// Form layouts are given in twips, 15 to a pixel.
inline int pixels(int twips)
{
    return qRound(twips / 15.0);
}

// The control stands at the given place and size; a width of 0 means "sized to its text".
// Check QTest::currentTestFailed() after calling.
inline void verifyTwipsGeometry(const QWidget *control, const QRect &twips)
{
    QVERIFY(control);
    QCOMPARE(control->pos(), QPoint(pixels(twips.x()), pixels(twips.y())));
    if (twips.width() > 0) {
        QCOMPARE(control->size(), QSize(pixels(twips.width()), pixels(twips.height())));
    } else {
        const auto *label = qobject_cast<const QLabel *>(control);
        QVERIFY(label);
        QCOMPARE(label->size(), label->sizeHint());
    }
}

// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>

// A check box that takes a click anywhere in its rectangle, not only on its box and caption.
class WideCheckBox : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

// SPDX-License-Identifier: MIT
#include "linkbutton.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

LinkButton::LinkButton(QWidget *parent) : QAbstractButton(parent)
{
    // A label's colours: the text's own on the form's ground, not a button's.
    setForegroundRole(QPalette::WindowText);
    setBackgroundRole(QPalette::Window);
    setCursor(Qt::PointingHandCursor);
    // A click does not leave a focus cue behind on the link.
    setFocusPolicy(Qt::TabFocus);
}

void LinkButton::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void LinkButton::setWordWrap(bool on)
{
    m_wordWrap = on;
    update();
}

int LinkButton::textFlags() const
{
    const bool rightToLeft = text().isRightToLeft();
    int flags =
        int(QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, m_alignment)) |
        Qt::TextShowMnemonic | (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

QSize LinkButton::sizeHint() const
{
    // Without centring, whose halving could round the size.
    const int flags = textFlags() & ~(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap);
    return fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), flags, text()).size();
}

void LinkButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void LinkButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    QRect area = rect();
    int flags = textFlags();
    if (flags & Qt::AlignVCenter) {
        // A centred line starts on the whole pixel above its exact place, where the label's text
        // document drew the farewell screen's link.
        area.setTop(int((height() - QFontMetricsF(font()).height()) / 2));
        flags = (flags & ~Qt::AlignVCenter) | Qt::AlignTop;
    }
    style()->drawItemText(&painter, area, flags, option.palette, isEnabled(), text(),
                          foregroundRole());
    // The style's dotted focus cue all but vanishes on the dark green; the text's own colour
    // stands out against whatever the text itself is drawn on.
    if (!hasFocus())
        return;
    QPen pen(palette().color(foregroundRole()));
    pen.setWidth(1);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

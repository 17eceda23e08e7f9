// SPDX-License-Identifier: MIT
#include "linklabel.h"

#include "divination/accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    installAccessibleInterfaces();
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

// QLabel gives a label that can take the focus the machinery of a text editor (a text document,
// laid out again at every change) so that its text can be selected from the keyboard. A link's
// text is never selected, so QLabel is shown an unfocusable label whenever it decides whether to
// build that machinery, and draws the text itself, as it does for every other plain label.
template <typename Step> void LinkLabel::asUnfocusableLabel(Step step)
{
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    step();
    setFocusPolicy(policy);
}

void LinkLabel::setText(const QString &text)
{
    asUnfocusableLabel([this, &text] { QLabel::setText(text); });
}

bool LinkLabel::event(QEvent *event)
{
    if (event->type() != QEvent::Polish)
        return QLabel::event(event);
    bool handled = false;
    asUnfocusableLabel([this, event, &handled] { handled = QLabel::event(event); });
    return handled;
}

// Taking or losing the focus needs no text selection either; only the focus cue is redrawn.
void LinkLabel::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
}

void LinkLabel::click()
{
    Q_EMIT clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    // Like a button: sliding off before letting go cancels the click.
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint()))
        click();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            event->accept();
            click();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    // A plain label draws no focus cue, so a keyboard user would not see where Tab went. The
    // style's dotted cue all but vanishes on the dark green; the text's own colour stands out
    // against whatever the text itself is drawn on.
    if (!hasFocus())
        return;
    QPainter painter(this);
    QPen pen(palette().color(foregroundRole()));
    pen.setWidth(1);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

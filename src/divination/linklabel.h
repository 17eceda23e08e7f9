// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label that acts as a web link: pointing-hand pointer, clicked on a left-button release over
// it, and reachable by Tab and pressed with Space or Enter for those without a mouse. Screen
// readers see it as a link whose Press action clicks it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

    void click();

    // Hides QLabel::setText, which would build a text editor's machinery for a label that can take
    // the focus.
    void setText(const QString &text);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    template <typename Step> void asUnfocusableLabel(Step step);

    bool m_pressed = false;
};

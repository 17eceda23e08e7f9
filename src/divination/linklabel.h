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

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool m_pressed = false;
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

// A web link: a button whose caption is drawn as a plain label draws its text (the form's font,
// colour, alignment and wrapping), with a pointing-hand pointer and no button face. The toolkit
// gives it the click, Space, focus by Tab and, through the accessibility interfaces, the Press
// action; Enter presses it too, as it does a link in a browser. Its caption is a button's:
// "&&" shows one ampersand.
class LinkButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit LinkButton(QWidget *parent = nullptr);

    void setAlignment(Qt::Alignment alignment);
    void setWordWrap(bool on);

    // The caption's size on one line.
    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int textFlags() const;

    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = false;
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWindow;

// Makes maximising harmless for the program's fixed-size windows on a native Wayland session.
// Qt 6.4's own title bar there (the bradient decoration) offers a maximise button whatever the
// window's flags, and Weston 10 ends a client whose maximised window keeps a size other than the
// one it was given (an xdg-shell protocol error).
// So a fixed-size window that is being maximised may take that size (its contents stay where they
// are), and is fixed again once it is back to its own size. Does nothing on other platforms,
// whose window managers do not maximise a fixed-size window.
class FixedSizeWindows : public QObject
{
    Q_OBJECT

public:
    explicit FixedSizeWindows(QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void windowStateChanged(Qt::WindowState state);
    static void fixAgainIfBack(QWindow *window);
};

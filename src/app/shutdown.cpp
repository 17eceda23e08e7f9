// SPDX-License-Identifier: MIT
#include "shutdown.h"

#include "platform/processend.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

void Shutdown::EndProgram()
{
    if (m_endRequested)
        return;
    m_ending = true;
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        // QWidget::close returns at once for a window whose close is under way.
        if (window)
            window->close();
        if (m_endRequested)
            return;
    }
    m_endRequested = true;
    m_processEnd.endProcess(0);
}

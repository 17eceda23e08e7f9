// SPDX-License-Identifier: MIT
#include "platform/topmost.h"

#include <QWidget>

void showTopmost(QWidget *window)
{
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
}

bool isShownTopmost(const QWidget *window)
{
    return window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

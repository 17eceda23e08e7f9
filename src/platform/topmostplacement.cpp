// SPDX-License-Identifier: MIT
#include "topmostplacement.h"

#include <QWidget>

void showTopmost(QWidget *window)
{
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
}

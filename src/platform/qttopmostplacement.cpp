// SPDX-License-Identifier: MIT
#include "qttopmostplacement.h"

#include <QWidget>

void QtTopmostPlacement::showTopmost(QWidget *window)
{
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
}

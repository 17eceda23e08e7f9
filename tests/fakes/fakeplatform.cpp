// SPDX-License-Identifier: MIT
#include "fakeplatform.h"

#include <QWidget>

void RecordingTopmost::showTopmost(QWidget *window)
{
    placed.append(window);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
}

// SPDX-License-Identifier: MIT
#include "cobrand.h"

#include "divination/frmmain.h"
#include "divination/rounding.h"
#include "platform/randomsource.h"

qint16 CoBrand_Randomize(RandomSource &random, frmMain &mainWindow)
{
    const float r = random.next();
    const auto number = static_cast<qint16>(roundedScaledDraw(6, r));
    switch (number) {
    case 2:
    case 4:
    case 6:
        mainWindow.bringFullBrandToFront();
        break;
    case 1:
    case 3:
    case 5:
        mainWindow.bringCoBrandToFront();
        break;
    default:
        break;
    }
    return number;
}

// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class RandomSource;
class frmMain;

// Chooses which promotional label of the main window lies on top, once per run after the main
// window is shown: one draw r gives 6r + 1 rounded half to even, 1 to 7. 2, 4 and 6 bring the
// full-brand offer to the front, 1, 3 and 5 the co-brand offer, and 7 leaves the layout's
// stacking (co-brand on top). Returns the number for the start-up window to keep.
qint16 CoBrand_Randomize(RandomSource &random, frmMain &mainWindow);

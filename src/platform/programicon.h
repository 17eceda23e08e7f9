// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The die that every window of the program carries. Its images are read the first time one of
// them is asked for: a window system that shows no window icons never decodes them.
QIcon programIcon();

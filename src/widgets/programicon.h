// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The die that every window of the program carries, from the images built into the program.
QIcon programIcon();

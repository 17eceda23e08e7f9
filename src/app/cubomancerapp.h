// SPDX-License-Identifier: MIT
#pragma once

// Runs the program: the start-up window, then the event loop until the program ends itself.
int runCubomancer(int argc, char *argv[]);

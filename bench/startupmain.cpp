// SPDX-License-Identifier: MIT
// The whole program, started exactly as its own executable starts it, with a probe that
// reports the first paint of the main window (and, with --idle, what happens afterwards).
//   cubomancer_bench_startup [--idle]
// Run by cubomancer_bench_driver, which prepares the home folder and reads the reports.

#include "app/cubomancerapp.h"
#include "windowprobe.h"

int main(int argc, char *argv[])
{
    WindowProbe::arm(QStringLiteral("frmMain"), WindowProbe::takeMode(argc, argv));
    return runCubomancer(argc, argv);
}

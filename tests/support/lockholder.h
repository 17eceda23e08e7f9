// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QString>

#include <memory>

// Another process holding the system's instance guard for an application name: the test
// executable started again in lock-holder mode. Call runLockHolderIfAsked first thing in main().

// In lock-holder mode (arguments: --hold-lock NAME) takes the guard, says so on stdout and keeps
// it until killed or until stdin closes, then returns the exit status through status.
bool runLockHolderIfAsked(int argc, char *argv[], int &status);

// A second copy of this executable holding the guard of applicationName; null when it could not
// take it.
std::unique_ptr<QProcess> startLockHolder(const QString &applicationName);

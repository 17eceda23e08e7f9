// SPDX-License-Identifier: MIT
#include "lockholder.h"

#include "platform/instanceguard.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {
const char holdLockArgument[] = "--hold-lock";
}

bool runLockHolderIfAsked(int argc, char *argv[], int &status)
{
    if (argc != 3 || std::strcmp(argv[1], holdLockArgument) != 0)
        return false;
    QCoreApplication application(argc, argv);
    InstanceGuard guard(InstanceGuard::nameFor(QString::fromLocal8Bit(argv[2])));
    std::puts(guard.anotherCopyRunning() ? "refused" : "locked");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    status = 0;
    return true;
}

std::unique_ptr<QProcess> startLockHolder(const QString &applicationName)
{
    auto child = std::make_unique<QProcess>();
    child->start(QCoreApplication::applicationFilePath(),
                 {QString::fromLatin1(holdLockArgument), applicationName});
    if (!child->waitForReadyRead(10000) || child->readLine().trimmed() != "locked")
        return nullptr;
    return child;
}

// SPDX-License-Identifier: MIT
#include "cubomancerapp.h"

#include "platform/systemplatform.h"

#include <QApplication>
#include <QFileInfo>

int runCubomancer(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    SystemPlatform system(name);
    return QApplication::exec();
}

// SPDX-License-Identifier: MIT
// What the toolkit alone costs: an empty main window as large as the program's, with a
// two-item menu bar, under the same probe as the program.
//   cubomancer_bench_baseline [--idle]

#include "windowprobe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char *argv[])
{
    WindowProbe::arm(QStringLiteral("QMainWindow"), WindowProbe::takeMode(argc, argv));
    QApplication application(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Cubomancer v" CUBOMANCER_VERSION));
    // The main window's client area; the menu bar comes on top as it does there.
    auto *client = new QWidget(&window);
    client->setFixedSize(479, 273);
    window.setCentralWidget(client);
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.show();
    return QApplication::exec();
}

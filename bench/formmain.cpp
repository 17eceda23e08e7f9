// SPDX-License-Identifier: MIT
// The main window's form alone: built from its .ui file with the fonts, menu-bar font, sizes and
// stacking the program gives it, and none of the program's own work (no settings, instance lock,
// accessibility set-up, roll engine, window icon or centring): what drawing that window costs the
// toolkit, the floor against which the program's start-up is judged.
//   cubomancer_bench_form [--idle]

#include "divination/rollsequence.h"
#include "platform/randomsource.h"
#include "ui_frmmain.h"
#include "widgets/formlook.h"
#include "windowprobe.h"

#include <QApplication>
#include <QLayout>

int main(int argc, char *argv[])
{
    WindowProbe::arm(QStringLiteral("QMainWindow"), WindowProbe::takeMode(argc, argv));
    QApplication application(argc, argv);

    QMainWindow window;
    Ui::frmMain ui;
    ui.setupUi(&window);
    window.setWindowTitle(QStringLiteral("Cubomancer v" CUBOMANCER_VERSION));
    ui.menubar->setFont(QApplication::font(ui.menubar));
    adoptFormFonts(&window);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The captions of the first roll state, sized to their text.
    UniformRandom random;
    RollSequence roll(random);
    roll.load();
    setSizedCaption(ui.lblLabel, roll.view().countCaption);
    setSizedCaption(ui.lblResult, roll.view().dieCaption);
    // The roll panel and the co-brand offer in front, as at the program's start.
    ui.Frame1->raise();
    ui.Frame2->hide();
    ui.lblFullBrand->hide();
    window.show();
    return QApplication::exec();
}

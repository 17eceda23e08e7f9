// SPDX-License-Identifier: MIT
#pragma once

// The divination: the main window and what it draws on.
//
//   readingtable   - the sixteen readings and the parity pattern of a number that picks one
//   rollsequence   - the roll engine, free of widgets: four throws, then the reading, then back
//   rounding       - the rounding rule every draw that becomes a whole number goes through
//   cobrand        - which of the main window's promotional labels lies on top, once per run
//   frmMain        - the window: it forwards its buttons to RollSequence and shows the view,
//                    hands its links and menu items to WebLinks, opens frmAbout, and tells its
//                    owner by the unloaded signal when it is closed
//   frmAbout       - the About box, loaded afresh for each opening
//
// What every window shares (title, icon, fonts, centring, the links) is in src/widgets.
// Data flows one way: the random source feeds RollSequence and CoBrand_Randomize, the window
// shows what RollSequence decides, and addresses leave through WebLinks. Nothing here ends the
// program; the lifetime in src/app brings up the farewell screen when the window is unloaded.

#include "divination/rollsequence.h"

#include <QMainWindow>

#include <memory>

class QCloseEvent;
class QWidget;
class RandomSource;
class WebLinks;

namespace Ui {
class frmMain;
}

// The window the user works in. The roll panel (Frame1) and the result panel (Frame2) share one
// place; RollSequence decides which lies on top and what the captions say, and this window shows
// it. Only the panel in front is shown, so the covered panel's buttons can be reached neither
// by Tab nor by their access keys and the sequence stays on its cycle. The two promotional
// links of the bottom strip are stacked the same way. Return and Enter press the focused
// button, as Space does: the form makes both buttons auto-default. Links and menu items hand
// their address to WebLinks; closing the window, by its close box or File > Exit, runs
// Form_Unload, which tells the window's owner by the unloaded signal. The window deletes itself
// once closed.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    frmMain(RandomSource &random, WebLinks &links, QWidget *parent = nullptr);
    ~frmMain() override;

    void bringFullBrandToFront();
    void bringCoBrandToFront();

    qint16 RollCount() const { return m_roll.RollCount(); }
    qint16 RollNumber() const { return m_roll.RollNumber(); }

Q_SIGNALS:
    // The window is being closed: the farewell screen comes next.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdRoll_Click();
    void cmdBack_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();

    void applyLook();
    void showRollState();
    void bringResultToFront();

    std::unique_ptr<Ui::frmMain> ui;
    WebLinks &m_links;
    RollSequence m_roll;
    bool m_headingSized = false;
};

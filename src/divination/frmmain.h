// SPDX-License-Identifier: MIT
#pragma once

#include "divination/rollsequence.h"
#include "platform/programwindow.h"

#include <QMainWindow>

#include <memory>

class MainWindowClosePath;
class QShowEvent;
class QWidget;
class RandomSource;
class WebLinks;

namespace Ui {
class frmMain;
}

// The window the user works in. The roll panel (Frame1) and the result panel (Frame2) share one
// place; RollSequence decides which lies on top and what the captions say, and this window shows
// it. Only the panel in front is enabled, so the covered panel's buttons can be reached neither
// by Tab nor by their access keys and the sequence stays on its cycle. The two promotional
// labels of the bottom strip are stacked the same way. Links and menu items hand their address
// to WebLinks; closing the window, by its close box or File > Exit, runs Form_Unload.
class frmMain : public ProgramWindow<QMainWindow>
{
    Q_OBJECT

public:
    frmMain(OpenWindows &openWindows, RandomSource &random, WebLinks &links,
            MainWindowClosePath &closePath, QWidget *parent = nullptr);
    ~frmMain() override;

    void bringFullBrandToFront();
    void bringCoBrandToFront();

    qint16 RollCount() const { return m_roll.RollCount(); }
    qint16 RollNumber() const { return m_roll.RollNumber(); }

protected:
    void Form_Unload() override;

private:
    void Form_Load();
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
    OpenWindows &m_openWindows;
    WebLinks &m_links;
    MainWindowClosePath &m_closePath;
    RollSequence m_roll;
    bool m_headingSized = false;
};

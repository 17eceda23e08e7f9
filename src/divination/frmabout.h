// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <memory>

class WebLinks;

namespace Ui {
class frmAbout;
}

// The About box: fixed texts, two links that leave it open, and OK as both its default and its
// cancel button. Shown modally and loaded afresh for each opening; OK, Enter, Escape and the
// close box all end it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(WebLinks &links, QWidget *parent = nullptr);
    ~frmAbout() override;

private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

    std::unique_ptr<Ui::frmAbout> ui;
    WebLinks &m_links;
};

// SPDX-License-Identifier: MIT
#include "frmabout.h"

#include "ui_frmabout.h"
#include "weblinks/weblinks.h"
#include "widgets/accessibility.h"
#include "widgets/apptitle.h"
#include "widgets/formlook.h"
#include "widgets/programicon.h"

namespace {

const Qt::WindowFlags fixedDialog = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                    Qt::MSWindowsFixedSizeDialogHint;

} // namespace

frmAbout::frmAbout(WebLinks &links, QWidget *parent)
    : QDialog(parent, fixedDialog), ui(std::make_unique<Ui::frmAbout>()), m_links(links)
{
    ui->setupUi(this);
    setFixedSize(471, 178);
    setUpWindow(this);
    markAsDecoration(ui->Picture1);
    markAsDecoration(ui->Line1);

    ui->Picture1->setPixmap(programIcon().pixmap(32, 32));
    fitToText(ui->Picture1);

    setSizedCaption(ui->Label2, ::windowTitle());
    fitToText(ui->lblCoBrand);
    //: %1 is the maker's home-page address, shown in full.
    ui->lblHomePage->setText(tr("Click here to visit %1").arg(WebLinks::homePageAddress()));
    fitToText(ui->lblHomePage);
    // The layout ends the link at the text column's right edge; a longer host name than the
    // layout's would otherwise run off the dialog.
    keepWithin(ui->lblHomePage, ui->Label3->x(), ui->Label3->geometry().right() + 1);

    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui->lblHomePage, &LinkButton::clicked, this, &frmAbout::lblHomePage_Click);
    connect(ui->lblCoBrand, &LinkButton::clicked, this, &frmAbout::lblCoBrand_Click);
    ui->cmdOK->setFocus(Qt::OtherFocusReason);
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblHomePage_Click()
{
    m_links.OpenHomePage();
}

void frmAbout::lblCoBrand_Click()
{
    // The offer described just above the link, not the co-branding page.
    m_links.OpenFullBrandPage();
}

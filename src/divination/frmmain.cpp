// SPDX-License-Identifier: MIT
#include "frmmain.h"

#include "divination/frmabout.h"
#include "ui_frmmain.h"
#include "weblinks/weblinks.h"
#include "widgets/accessibility.h"
#include "widgets/formlook.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>

namespace {

const Qt::WindowFlags fixedWindow = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                    Qt::MSWindowsFixedSizeDialogHint;

// Puts front on top of its sibling and hides the covered one, which takes it out of Tab, access
// keys, clicks and what screen readers present. The focus, if it was in the covered one, goes to
// focusTarget first, so that it does not wander to whatever follows in the chain.
void bringToFront(QWidget *front, QWidget *covered, QWidget *focusTarget)
{
    const QWidget *focus = QApplication::focusWidget();
    const bool coveredHadFocus =
        focus != nullptr && (focus == covered || covered->isAncestorOf(focus));
    front->show();
    front->raise();
    if (coveredHadFocus)
        focusTarget->setFocus(Qt::OtherFocusReason);
    covered->hide();
}

} // namespace

frmMain::frmMain(RandomSource &random, WebLinks &links, QWidget *parent)
    : QMainWindow(parent, fixedWindow), ui(std::make_unique<Ui::frmMain>()), m_links(links),
      m_roll(random)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    applyLook();

    connect(ui->cmdRoll, &QPushButton::clicked, this, &frmMain::cmdRoll_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(ui->Label61, &LinkButton::clicked, this, &frmMain::Label61_Click);
    connect(ui->lblCobrand, &LinkButton::clicked, this, &frmMain::lblCobrand_Click);
    connect(ui->lblFullBrand, &LinkButton::clicked, this, &frmMain::lblFullBrand_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(ui->mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(ui->mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(ui->mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(ui->mnuDonate, &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(ui->mnuMakeMoney, &QAction::triggered, this, &frmMain::mnuMakeMoney_Click);

    // As laid out, the result panel lies over the roll panel; the load shows the roll engine's
    // first state and brings the roll panel to the front. The co-brand offer starts in front.
    bringCoBrandToFront();
    Form_Load();
    ui->cmdRoll->setFocus(Qt::OtherFocusReason);
}

frmMain::~frmMain() = default;

void frmMain::applyLook()
{
    setUpWindow(this);
    ui->Frame2->setAccessibleName(ui->Label2->text());
    markAsDecoration(ui->Shape1);
    // Menus keep the desktop's font, as they would on any other window.
    ui->menubar->setFont(QApplication::font(ui->menubar));

    // The client area is fixed; the window takes whatever height the menu bar needs on top.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Designer names separators itself; the program knows them by these names.
    int separator = 0;
    const auto helpItems = ui->mnuHelp->actions();
    for (QAction *item : helpItems) {
        if (item->isSeparator())
            item->setObjectName(QStringLiteral("mnuFileSep%1").arg(++separator));
    }
}

void frmMain::showRollState()
{
    const RollView &view = m_roll.view();
    setSizedCaption(ui->lblLabel, view.countCaption);
    setSizedCaption(ui->lblResult, view.dieCaption);
    const QString die = view.dieCaption == RollSequence::unthrownDie()
                            ? tr("Die, not thrown yet")
                            : tr("Die shows %1").arg(view.dieCaption);
    ui->lblResult->setAccessibleName(die);
    ui->cmdRoll->setText(view.rollButtonCaption);
    ui->lblDesc->setText(view.reading);
    if (view.front == RollView::Panel::Roll)
        bringToFront(ui->Frame1, ui->Frame2, ui->cmdRoll);
    else
        bringResultToFront();
}

void frmMain::bringResultToFront()
{
    // The heading's size waits until it can be seen, so that its font is only loaded then.
    if (!m_headingSized) {
        m_headingSized = true;
        fitToText(ui->Label2);
    }
    bringToFront(ui->Frame2, ui->Frame1, ui->cmdBack);
}

void frmMain::bringFullBrandToFront()
{
    bringToFront(ui->lblFullBrand, ui->lblCobrand, ui->lblFullBrand);
}

void frmMain::bringCoBrandToFront()
{
    bringToFront(ui->lblCobrand, ui->lblFullBrand, ui->lblCobrand);
}

void frmMain::Form_Load()
{
    m_roll.load();
    showRollState();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void frmMain::Form_Unload()
{
    Q_EMIT unloaded();
}

void frmMain::cmdRoll_Click()
{
    m_roll.pressRoll();
    showRollState();
    // A throw keeps the focus on the roll button, so nothing else would tell a screen reader's
    // user what the die shows. The reading needs no such help: the focus moves to Back, and
    // entering the result panel reads it out.
    const RollView &view = m_roll.view();
    if (view.front == RollView::Panel::Roll)
        announce(this, ui->lblResult->accessibleName() + QStringLiteral(". ") + view.countCaption +
                           QStringLiteral(". ") +
                           QString(view.rollButtonCaption).remove(QLatin1Char('&')));
}

void frmMain::cmdBack_Click()
{
    m_roll.pressBack();
    showRollState();
}

void frmMain::Label61_Click()
{
    m_links.OpenHomePage();
}

void frmMain::lblCobrand_Click()
{
    m_links.OpenCoBrandPage();
}

void frmMain::lblFullBrand_Click()
{
    m_links.OpenFullBrandPage();
}

void frmMain::mnuExit_Click()
{
    close();
}

void frmMain::mnuOnline_Click()
{
    m_links.OpenOnlineHelp();
}

void frmMain::mnuVisit_Click()
{
    m_links.OpenHomePage();
}

void frmMain::mnuUpdate_Click()
{
    m_links.OpenDownloadPage();
}

void frmMain::mnuAbout_Click()
{
    // Loaded afresh for each opening; its OK, Escape or close box ends it.
    frmAbout about(m_links, this);
    about.exec();
}

void frmMain::mnuDonate_Click()
{
    m_links.OpenDonatePage();
}

void frmMain::mnuMakeMoney_Click()
{
    m_links.OpenFullBrandPage();
}

// SPDX-License-Identifier: MIT
#pragma once

// The farewell screen, the last window of every run. It comes up when the main window closes,
// asks the user to support the forum, links to the maker's pages and carries the refer-a-friend
// form; leaving it in any way ends the program.
//
//   referraltext    - the prompts of the five referral fields and the rules that clear and
//                     restore them as the focus comes and goes
//   modTellAFriend  - the submission: field texts in, checks, referral address out to WebLinks
//   frmFarewell     - the window; it applies the prompt rules to its fields and hands their
//                     texts to modTellAFriend when "Refer A Friend Now" is pressed

#include "modtellafriend.h"
#include "platform/platform.h"
#include "platform/programwindow.h"

#include <QWidget>

#include <memory>

class QEvent;
class Shutdown;
class WebLinks;

namespace Ui {
class frmFarewell;
}

class frmFarewell : public ProgramWindow<QWidget>
{
    Q_OBJECT

public:
    // Constructing the screen loads it: it picks its support message and shows itself above
    // every ordinary window, without taking the focus from the user's current window.
    frmFarewell(OpenWindows &openWindows, const Platform &platform, WebLinks &links,
                Shutdown &shutdown, QWidget *parent = nullptr);
    ~frmFarewell() override;

    // k from 0 to 3.
    static QString supportMessage(int k);
    static QString promotionText();

    const modTellAFriend &tellAFriend() const { return m_tellAFriend; }

protected:
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ReferralField
    {
        QWidget *widget;
        QString prompt;
    };

    void applyLook();
    void Form_Load();

    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();

    QString fieldText(const QWidget *field) const;
    void setFieldText(QWidget *field, const QString &text);
    void refuseSpace(QWidget *field);

    std::unique_ptr<Ui::frmFarewell> m_ui;
    const Platform m_platform;
    WebLinks &m_links;
    Shutdown &m_shutdown;
    modTellAFriend m_tellAFriend;
    QList<ReferralField> m_referralFields;
};

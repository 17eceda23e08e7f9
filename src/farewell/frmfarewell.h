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
//
// The start-up window in src/app loads the screen when the main window is unloaded. The screen
// reseeds the random source to pick its support message and shows itself with showTopmost;
// leaving it in any way closes it, and its unloaded signal ends the program.

#include "modtellafriend.h"
#include <QWidget>

#include <memory>

class MessageBoxes;
class QCloseEvent;
class QEvent;
class RandomSource;
class WebLinks;

namespace Ui {
class frmFarewell;
}

class frmFarewell : public QWidget
{
    Q_OBJECT

public:
    // Constructing the screen loads it: it picks its support message and shows itself above
    // every ordinary window, without taking the focus from the user's current window. Once
    // closed it deletes itself.
    frmFarewell(MessageBoxes &messages, RandomSource &random, WebLinks &links,
                QWidget *parent = nullptr);
    ~frmFarewell() override;

    // k from 0 to 3.
    static QString supportMessage(int k);
    static QString promotionText();

    const modTellAFriend &tellAFriend() const { return m_tellAFriend; }

Q_SIGNALS:
    // The screen has been left: the program ends.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ReferralField
    {
        QWidget *widget;
        QString prompt;
    };

    void applyLook();
    void Form_Load();
    void Form_Unload();

    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();

    QString fieldText(const QWidget *field) const;
    void setFieldText(QWidget *field, const QString &text);
    void refuseSpace(QWidget *field);
    // Clears the prompt on entering the field, restores it on leaving (referraltext).
    void applyPromptRule(const ReferralField &field, bool entering);

    std::unique_ptr<Ui::frmFarewell> m_ui;
    MessageBoxes &m_messages;
    RandomSource &m_random;
    WebLinks &m_links;
    modTellAFriend m_tellAFriend;
    QList<ReferralField> m_referralFields;
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

class MessageBoxes;
class QWidget;
class WebLinks;

// The five referral fields as the form holds them when "Refer A Friend Now" is pressed.
struct ReferralEntries
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The refer-a-friend submission. A press of the form's submit button stores the five trimmed
// field texts, checks the two e-mail addresses, and calls SubmitReferral, which checks that
// every value is filled in and opens the referral page with the values as its query. Each
// refusal is one stop box; only the first failing check is reported.
//
// Every value is percent-encoded as UTF-8 on its way into the address, so no text a user types
// can cut the query short, add or replace a parameter, or lose its line breaks.
class modTellAFriend
{
    Q_DECLARE_TR_FUNCTIONS(modTellAFriend)

public:
    // Refusal boxes are shown over dialogParent.
    modTellAFriend(WebLinks &links, MessageBoxes &messages, QWidget *dialogParent = nullptr);

    // The press of the submit button with the fields' current texts.
    void submitEntries(const ReferralEntries &fieldTexts);

    // Works on the stored values only. On success stores the address in ReferralAddress and
    // opens it.
    void SubmitReferral();

    // Where the referral form posts to, and the product page it recommends.
    static QString referralPageAddress();
    static QString productPageAddress();

    // The values of the last press (kept even when a check refused them) and the last address
    // that was opened.
    QString ReferrerName;
    QString ReferrerEmail;
    QString ReferralMessage;
    QString FriendName;
    QString FriendEmail;
    QString ReferralAddress;

private:
    void refuse(const QString &message);
    QString buildReferralAddress() const;

    WebLinks &m_links;
    MessageBoxes &m_messages;
    QWidget *m_dialogParent = nullptr;
};

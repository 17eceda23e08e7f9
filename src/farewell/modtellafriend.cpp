// SPDX-License-Identifier: MIT
#include "modtellafriend.h"

#include "platform/messageboxes.h"
#include "referraltext.h"
#include "weblinks/weblinks.h"

#include <QUrl>

#include <utility>

namespace {

bool isMissing(const QString &value, const QString &prompt)
{
    return value.isEmpty() || value == prompt;
}

} // namespace

modTellAFriend::modTellAFriend(WebLinks &links, MessageBoxes &messages, QWidget *dialogParent)
    : m_links(links), m_messages(messages), m_dialogParent(dialogParent)
{
}

QString modTellAFriend::referralPageAddress()
{
    return WebLinks::siteAddress(QStringLiteral("/ohms-refer-a-friend.php"));
}

QString modTellAFriend::productPageAddress()
{
    return WebLinks::siteAddress(QStringLiteral("/cubomancer/"));
}

void modTellAFriend::submitEntries(const ReferralEntries &fieldTexts)
{
    using ReferralText::trimSpaces;
    ReferrerName = trimSpaces(fieldTexts.name);
    ReferrerEmail = trimSpaces(fieldTexts.email);
    ReferralMessage = trimSpaces(fieldTexts.message);
    FriendName = trimSpaces(fieldTexts.friendName);
    FriendEmail = trimSpaces(fieldTexts.friendEmail);

    if (ReferrerEmail == FriendEmail) {
        refuse(tr("Please Enter Distinct Email Addresses"));
        return;
    }
    const QChar at(u'@');
    const QChar dot(u'.');
    if (!ReferrerEmail.contains(at) || !FriendEmail.contains(at) || !ReferrerEmail.contains(dot) ||
        !FriendEmail.contains(dot)) {
        refuse(tr("Please Enter Proper Email Address"));
        return;
    }
    SubmitReferral();
}

void modTellAFriend::SubmitReferral()
{
    using namespace ReferralText;
    if (isMissing(trimSpaces(ReferrerName), namePrompt())) {
        refuse(tr("Please Enter Your Name"));
        return;
    }
    if (isMissing(trimSpaces(ReferrerEmail), emailPrompt())) {
        refuse(tr("Please Enter Your Email"));
        return;
    }
    if (isMissing(trimSpaces(ReferralMessage), messagePrompt())) {
        refuse(tr("Please Enter Your Message"));
        return;
    }
    if (isMissing(trimSpaces(FriendName), friendNamePrompt())) {
        refuse(tr("Please Enter Your Friend's Name"));
        return;
    }
    if (isMissing(trimSpaces(FriendEmail), friendEmailPrompt())) {
        refuse(tr("Please Enter Your Friend's Email"));
        return;
    }
    ReferralAddress = buildReferralAddress();
    m_links.OpenWebAddress(ReferralAddress);
}

QString modTellAFriend::buildReferralAddress() const
{
    // Each value is percent-encoded as UTF-8, so no value can end the query, add or replace a
    // key, or lose its line breaks. ":" "/" "@" may stand in a query and keep e-mail and web
    // addresses readable. "+" is encoded too: form decoders read a bare "+" as a space.
    const QByteArray keep = QByteArrayLiteral(":/@");
    const QString productPage = productPageAddress();
    const std::pair<const char *, const QString *> query[] = {
        {"?taf1=", &ReferrerName}, {"&taf2=", &ReferrerEmail}, {"&taf3=", &ReferralMessage},
        {"&taf4=", &FriendName},   {"&taf5=", &FriendEmail},   {"&taf6=", &productPage},
    };
    // One buffer for the whole address: joining the pieces with + copies the growing address
    // once per piece.
    QByteArray address = referralPageAddress().toLatin1();
    for (const auto &[key, value] : query) {
        address += key;
        address += QUrl::toPercentEncoding(*value, keep);
    }
    return QString::fromLatin1(address);
}

void modTellAFriend::refuse(const QString &message)
{
    m_messages.show(message, MessageIcon::Stop, MessageButtons::Ok, m_dialogParent);
}

// SPDX-License-Identifier: MIT
#include "modtellafriend.h"

#include "platform/messageboxes.h"
#include "referraltext.h"
#include "weblinks/weblinks.h"

#include <QUrl>

namespace {

bool isMissing(const QString &value, const QString &prompt)
{
    return value.isEmpty() || value == prompt;
}

// UTF-8 percent-encoding of everything but the unreserved characters and ":" "/" "@", which
// may stand in a query and keep e-mail and web addresses readable. "+" is encoded too: form
// decoders read a bare "+" as a space.
QString queryValue(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value, QByteArrayLiteral(":/@")));
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
        refuse(QStringLiteral("Please Enter Distinct Email Addresses"));
        return;
    }
    const QChar at(u'@');
    const QChar dot(u'.');
    if (!ReferrerEmail.contains(at) || !FriendEmail.contains(at) || !ReferrerEmail.contains(dot) ||
        !FriendEmail.contains(dot)) {
        refuse(QStringLiteral("Please Enter Proper Email Address"));
        return;
    }
    SubmitReferral();
}

void modTellAFriend::SubmitReferral()
{
    using namespace ReferralText;
    if (isMissing(trimSpaces(ReferrerName), namePrompt())) {
        refuse(QStringLiteral("Please Enter Your Name"));
        return;
    }
    if (isMissing(trimSpaces(ReferrerEmail), emailPrompt())) {
        refuse(QStringLiteral("Please Enter Your Email"));
        return;
    }
    if (isMissing(trimSpaces(ReferralMessage), messagePrompt())) {
        refuse(QStringLiteral("Please Enter Your Message"));
        return;
    }
    if (isMissing(trimSpaces(FriendName), friendNamePrompt())) {
        refuse(QStringLiteral("Please Enter Your Friend's Name"));
        return;
    }
    if (isMissing(trimSpaces(FriendEmail), friendEmailPrompt())) {
        refuse(QStringLiteral("Please Enter Your Friend's Email"));
        return;
    }
    ReferralAddress = buildReferralAddress();
    m_links.OpenWebAddress(ReferralAddress);
}

QString modTellAFriend::buildReferralAddress() const
{
    return referralPageAddress() + QStringLiteral("?taf1=") + queryValue(ReferrerName) +
           QStringLiteral("&taf2=") + queryValue(ReferrerEmail) + QStringLiteral("&taf3=") +
           queryValue(ReferralMessage) + QStringLiteral("&taf4=") + queryValue(FriendName) +
           QStringLiteral("&taf5=") + queryValue(FriendEmail) + QStringLiteral("&taf6=") +
           queryValue(productPageAddress());
}

void modTellAFriend::refuse(const QString &message)
{
    m_messages.show(message, MessageIcon::Stop, MessageButtons::Ok, m_dialogParent);
}

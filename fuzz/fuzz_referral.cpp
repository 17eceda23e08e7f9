// SPDX-License-Identifier: MIT
// Five arbitrary texts typed or pasted into the referral fields, through the prompt rules of the
// form and the submission. Whatever the texts, either exactly one refusal is shown and nothing
// opens, or the one address that opens is one the browser launcher accepts, starts with the
// referral page and carries the five trimmed values, each decoding back to itself.
#include "farewell/modtellafriend.h"
#include "farewell/referraltext.h"
#include "platform/browser.h"
#include "platform/messageboxes.h"
#include "weblinks/weblinks.h"

#include <QByteArray>
#include <QStringList>
#include <QUrl>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "referral fuzz: %s\n", what);
    std::abort();
}

class CollectingBrowser final : public Browser
{
public:
    void open(const QString &address) override { opened.append(address); }
    QStringList opened;
};

class OkMessageBoxes final : public MessageBoxes
{
public:
    MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons,
                       QWidget *) override
    {
        if (icon != MessageIcon::Stop || buttons != MessageButtons::Ok)
            fail("a refusal that is not one stop box with OK");
        shown.append(text);
        return MessageAnswer::Ok;
    }
    QStringList shown;
};

// Texts arrive from the clipboard or the keyboard as UTF-8; raw UTF-16 also lets the fuzzer
// reach unpaired surrogates, which a field can hold but no address can carry.
QString decodeText(const std::string &bytes, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    std::vector<char16_t> units(bytes.size() / 2);
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

// A field visited by the user: entering it may clear its prompt, the user's text replaces
// whatever is left, and leaving it may put the prompt back.
QString visitField(const QString &initial, const QString &prompt, const QString &typed)
{
    using namespace ReferralText;
    const std::optional<QString> entered = textOnEntering(initial, prompt);
    if (entered.has_value() != (trimSpaces(initial) == prompt))
        fail("entering a field cleared the wrong text");
    if (entered && !entered->isEmpty())
        fail("entering a field left text behind");

    const std::optional<QString> left = textOnLeaving(typed, prompt);
    if (left.has_value() != trimSpaces(typed).isEmpty())
        fail("leaving a field restored the prompt over a typed text");
    if (left && *left != prompt)
        fail("leaving a field put back something other than its prompt");
    return left.value_or(typed);
}

bool isFilledIn(const QString &value, const QString &prompt)
{
    return !value.isEmpty() && value != prompt;
}

// What a web server makes of one query value. No raw delimiter may stand in it, or the value
// would be cut short or read differently.
QString serverDecoded(const QString &encoded)
{
    for (const QChar c : encoded) {
        if (c == u'&' || c == u'=' || c == u'#' || c == u'+' || c == u' ' || c.unicode() < 0x21 ||
            c.unicode() > 0x7e)
            fail("a query value holds a character that the server would not read back");
    }
    return QString::fromUtf8(QByteArray::fromPercentEncoding(encoded.toLatin1()));
}

void checkAddress(const QString &address, const modTellAFriend &referral,
                  const QStringList &expectedValues)
{
    if (!SystemBrowser::isOpenable(address))
        fail("the browser launcher would refuse the referral address");
    const QString page = modTellAFriend::referralPageAddress() + QLatin1Char('?');
    if (!address.startsWith(page))
        fail("the address does not start with the referral page");
    if (address != referral.ReferralAddress)
        fail("the address opened is not the one stored");

    const QStringList pairs = address.mid(page.size()).split(QLatin1Char('&'));
    if (pairs.size() != 6)
        fail("the query does not hold exactly six parameters");
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const QString key = QStringLiteral("taf%1=").arg(i + 1);
        if (!pairs[i].startsWith(key))
            fail("a query key is missing or out of order");
        if (serverDecoded(pairs[i].mid(key.size())) != expectedValues[i])
            fail("a query value does not decode back to the trimmed field text");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const bool utf16 = provider.ConsumeBool();

    using namespace ReferralText;
    const QString prompts[5] = {namePrompt(), emailPrompt(), messagePrompt(), friendNamePrompt(),
                                friendEmailPrompt()};
    QString fields[5];
    for (int i = 0; i < 5; ++i) {
        const QString typed = decodeText(provider.ConsumeRandomLengthString(), utf16);
        const QString initial = i == 2 ? messageInitialText() : prompts[i];
        fields[i] = visitField(initial, prompts[i], typed);
    }

    CollectingBrowser browser;
    OkMessageBoxes messages;
    WebLinks links(browser);
    modTellAFriend referral(links, messages);
    referral.submitEntries({fields[0], fields[1], fields[2], fields[3], fields[4]});

    const QString stored[5] = {referral.ReferrerName, referral.ReferrerEmail,
                               referral.ReferralMessage, referral.FriendName, referral.FriendEmail};
    for (int i = 0; i < 5; ++i) {
        if (stored[i] != trimSpaces(fields[i]))
            fail("a stored value is not the trimmed field text");
    }

    if (messages.shown.size() + browser.opened.size() != 1)
        fail("a press neither refused once nor opened one address");
    const QString &email = stored[1];
    const QString &friendEmail = stored[4];
    const bool acceptable =
        email != friendEmail && email.contains(u'@') && friendEmail.contains(u'@') &&
        email.contains(u'.') && friendEmail.contains(u'.') && isFilledIn(stored[0], prompts[0]) &&
        isFilledIn(stored[1], prompts[1]) && isFilledIn(stored[2], prompts[2]) &&
        isFilledIn(stored[3], prompts[3]) && isFilledIn(stored[4], prompts[4]);
    if (acceptable != !browser.opened.isEmpty())
        fail(acceptable ? "a complete referral was refused" : "an incomplete referral was sent");
    if (!acceptable)
        return 0;

    // Text that UTF-8 cannot hold (an unpaired surrogate) arrives substituted, as any text
    // the page's encoding lacks.
    QStringList expected;
    for (const QString &value : stored)
        expected.append(QString::fromUtf8(value.toUtf8()));
    expected.append(modTellAFriend::productPageAddress());
    checkAddress(browser.opened.first(), referral, expected);
    return 0;
}

// SPDX-License-Identifier: MIT
#include "fakeplatform.h"
#include "farewell/modtellafriend.h"
#include "platform/browser.h"
#include "siteconfig.h"
#include "weblinks/weblinks.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using QueryItems = QList<std::pair<QString, QString>>;

class TestTellAFriend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pressChecks_data();
    void pressChecks();
    void storedValueChecks_data();
    void storedValueChecks();
    void refusalKeepsValuesOfThePressAndTheLastAddress();
    void plainSubmissionAddress();
    void hostileValuesArriveIntact_data();
    void hostileValuesArriveIntact();

private:
    static QString site()
    {
        return QStringLiteral("http://") + QLatin1String(CUBOMANCER_SITE_HOST);
    }
};

namespace {

// The screen's untouched fields.
const QString namePrompt = QStringLiteral("Your Name");
const QString emailPrompt = QStringLiteral("Your Email Address");
const QString friendNamePrompt = QStringLiteral("Friend's Name");
const QString friendEmailPrompt = QStringLiteral("Friend's Email Address");
const QString untouchedMessage = QStringLiteral("Your Message\r\n");

// How a web form handler reads a query: "+" is a space, then percent-decoding as UTF-8.
QueryItems formDecode(const QString &query)
{
    QueryItems items;
    for (const QString &pair : query.split(QLatin1Char('&'))) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        auto decode = [](QString text) {
            text.replace(QLatin1Char('+'), QLatin1Char(' '));
            return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toLatin1()));
        };
        items.append({decode(pair.left(equals)), decode(pair.mid(equals + 1))});
    }
    return items;
}

} // namespace

void TestTellAFriend::pressChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("refusal"); // empty: the referral page opens

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString ann = QStringLiteral("ann@example.org");
    const QString bob = QStringLiteral("bob@example.net");

    QTest::newRow("same address twice, reported before the missing names")
        << namePrompt << ann << untouchedMessage << friendNamePrompt << ann << distinct;
    QTest::newRow("same address once padded with spaces")
        << "Ann"
        << " ann@example.org  " << untouchedMessage << "Bob" << ann << distinct;
    QTest::newRow("both e-mail fields still showing their prompts")
        << namePrompt << emailPrompt << untouchedMessage << friendNamePrompt << friendEmailPrompt
        << proper;
    QTest::newRow("own address without at sign")
        << "Ann"
        << "ann.example.org" << untouchedMessage << "Bob" << bob << proper;
    QTest::newRow("friend's address still its prompt")
        << "Ann" << ann << untouchedMessage << "Bob" << friendEmailPrompt << proper;
    QTest::newRow("own address with at sign but no dot")
        << "Ann"
        << "ann@example" << untouchedMessage << "Bob" << bob << proper;
    QTest::newRow("friend's address with at sign but no dot")
        << "Ann" << ann << untouchedMessage << "Bob"
        << "bob@localhost" << proper;
    QTest::newRow("a dot and an at sign alone pass the address checks")
        << "Ann"
        << ".@" << untouchedMessage << "Bob"
        << "@." << QString();
    QTest::newRow("addresses differing only in letter case are distinct")
        << "Ann"
        << "Ann@example.org" << untouchedMessage << "Bob" << ann << QString();
    QTest::newRow("name still showing its prompt")
        << namePrompt << ann << untouchedMessage << friendNamePrompt << bob
        << "Please Enter Your Name";
    QTest::newRow("name of spaces only")
        << "   " << ann << untouchedMessage << "Bob" << bob << "Please Enter Your Name";
    QTest::newRow("name prompt padded with spaces")
        << "  Your Name " << ann << untouchedMessage << "Bob" << bob << "Please Enter Your Name";
    QTest::newRow("name prompt in lower case is a name")
        << "your name" << ann << untouchedMessage << "Bob" << bob << QString();
    QTest::newRow("a tab is not blank")
        << "\t" << ann << untouchedMessage << "Bob" << bob << QString();
    QTest::newRow("hidden message emptied and left, before the friend's name")
        << "Ann" << ann << "Your Message" << friendNamePrompt << bob << "Please Enter Your Message";
    QTest::newRow("empty message") << "Ann" << ann << ""
                                   << "Bob" << bob << "Please Enter Your Message";
    QTest::newRow("untouched message with its line break is a message")
        << "Ann" << ann << untouchedMessage << "Bob" << bob << QString();
    QTest::newRow("friend's name still showing its prompt")
        << "Ann" << ann << untouchedMessage << friendNamePrompt << bob
        << "Please Enter Your Friend's Name";
    QTest::newRow("friend's name empty")
        << "Ann" << ann << untouchedMessage << "" << bob << "Please Enter Your Friend's Name";
}

void TestTellAFriend::pressChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, refusal);

    FakePlatform fake;
    WebLinks links(fake.browser);
    modTellAFriend referral(links, fake.messages);
    referral.submitEntries({name, email, message, friendName, friendEmail});

    if (refusal.isEmpty()) {
        QCOMPARE(fake.messages.texts(), QStringList());
        QCOMPARE(fake.browser.opened.size(), 1);
        QCOMPARE(fake.browser.opened.first(), referral.ReferralAddress);
        return;
    }
    QCOMPARE(fake.messages.texts(), QStringList{refusal});
    QCOMPARE(fake.messages.shown.first().icon, MessageIcon::Stop);
    QCOMPARE(fake.messages.shown.first().buttons, MessageButtons::Ok);
    QCOMPARE(fake.browser.opened, QStringList());
    QCOMPARE(referral.ReferralAddress, QString());
}

void TestTellAFriend::storedValueChecks_data()
{
    QTest::addColumn<QStringList>("values"); // name, email, message, friend's name and e-mail
    QTest::addColumn<QString>("refusal");

    QTest::newRow("all five empty: the name first")
        << QStringList{"", "", "", "", ""} << "Please Enter Your Name";
    QTest::newRow("own e-mail empty, before the message")
        << QStringList{"Ann", "", "", "Bob", "b@c.d"} << "Please Enter Your Email";
    QTest::newRow("own e-mail still its prompt")
        << QStringList{"Ann", emailPrompt, "Hi", "Bob", "b@c.d"} << "Please Enter Your Email";
    QTest::newRow("friend's e-mail empty")
        << QStringList{"Ann", "a@c.d", "Hi", "Bob", ""} << "Please Enter Your Friend's Email";
    QTest::newRow("friend's e-mail its prompt padded with spaces")
        << QStringList{"Ann", "a@c.d", "Hi", "Bob", " Friend's Email Address "}
        << "Please Enter Your Friend's Email";
    QTest::newRow("friend's name and e-mail missing: the name first")
        << QStringList{"Ann", "a@c.d", "Hi", "", ""} << "Please Enter Your Friend's Name";
}

void TestTellAFriend::storedValueChecks()
{
    QFETCH(QStringList, values);
    QFETCH(QString, refusal);

    FakePlatform fake;
    WebLinks links(fake.browser);
    modTellAFriend referral(links, fake.messages);
    referral.ReferrerName = values.at(0);
    referral.ReferrerEmail = values.at(1);
    referral.ReferralMessage = values.at(2);
    referral.FriendName = values.at(3);
    referral.FriendEmail = values.at(4);
    referral.SubmitReferral();

    QCOMPARE(fake.messages.texts(), QStringList{refusal});
    QCOMPARE(fake.messages.shown.first().icon, MessageIcon::Stop);
    QCOMPARE(fake.browser.opened, QStringList());
}

void TestTellAFriend::refusalKeepsValuesOfThePressAndTheLastAddress()
{
    FakePlatform fake;
    WebLinks links(fake.browser);
    modTellAFriend referral(links, fake.messages);
    referral.submitEntries({"Ann", "ann@example.org", untouchedMessage, "Bob", "bob@example.net"});
    QCOMPARE(fake.browser.opened.size(), 1);
    const QString firstAddress = fake.browser.opened.first();

    referral.submitEntries({" Cy ", " same@example.org", "Hello ", "Di", "same@example.org  "});

    QCOMPARE(fake.messages.texts(), QStringList{"Please Enter Distinct Email Addresses"});
    QCOMPARE(referral.ReferrerName, QStringLiteral("Cy"));
    QCOMPARE(referral.ReferrerEmail, QStringLiteral("same@example.org"));
    QCOMPARE(referral.ReferralMessage, QStringLiteral("Hello"));
    QCOMPARE(referral.FriendName, QStringLiteral("Di"));
    QCOMPARE(referral.FriendEmail, QStringLiteral("same@example.org"));
    QCOMPARE(referral.ReferralAddress, firstAddress);
    QCOMPARE(fake.browser.opened.size(), 1);
}

void TestTellAFriend::plainSubmissionAddress()
{
    FakePlatform fake;
    WebLinks links(fake.browser);
    modTellAFriend referral(links, fake.messages);
    const ReferralEntries entries{"  Ann Lee ", "ann@example.org", untouchedMessage, "Bob Stone",
                                  " bob@example.net"};
    referral.submitEntries(entries);
    referral.submitEntries(entries);

    const QString expected = site() +
                             "/ohms-refer-a-friend.php?taf1=Ann%20Lee"
                             "&taf2=ann@example.org&taf3=Your%20Message%0D%0A&taf4=Bob%20Stone"
                             "&taf5=bob@example.net&taf6=" +
                             site() + "/cubomancer/";
    // Every press opens the page again.
    QCOMPARE(fake.browser.opened, QStringList({expected, expected}));
    QCOMPARE(referral.ReferralAddress, expected);
    QVERIFY(SystemBrowser::isOpenable(expected));
}

void TestTellAFriend::hostileValuesArriveIntact_data()
{
    QTest::addColumn<QStringList>("typed");    // name, email, message, friend's name and e-mail
    QTest::addColumn<QStringList>("received"); // what the referral page must read

    QTest::newRow("ampersand and equals trying to replace the product page")
        << QStringList{"Ann&taf6=http://evil.example/", "a&taf5=x@y.z", "hi=there&",
                       "Bob=&taf4=", "b@c.d&taf2="}
        << QStringList{"Ann&taf6=http://evil.example/", "a&taf5=x@y.z", "hi=there&",
                       "Bob=&taf4=", "b@c.d&taf2="};
    QTest::newRow("hash that would cut the address short")
        << QStringList{"Ann #1", "a#b@c.d", "#top", "Bob#", "b@c.d#x"}
        << QStringList{"Ann #1", "a#b@c.d", "#top", "Bob#", "b@c.d#x"};
    QTest::newRow("plus and percent signs")
        << QStringList{"C++ fan", "a+tag@c.d", "100% sure %41 %zz %", "Bob+", "b@c.d"}
        << QStringList{"C++ fan", "a+tag@c.d", "100% sure %41 %zz %", "Bob+", "b@c.d"};
    QTest::newRow("question marks and slashes")
        << QStringList{"why?", "a@c.d?x=1", "/path?q", "B/o/b", "b@c.d/"}
        << QStringList{"why?", "a@c.d?x=1", "/path?q", "B/o/b", "b@c.d/"};
    QTest::newRow("line breaks and tabs survive, outer spaces do not")
        << QStringList{" Ann\tLee ", "a@c.d", "  Line one\r\nLine two\t ", "\r\nBob", "b@c.d"}
        << QStringList{"Ann\tLee", "a@c.d", "Line one\r\nLine two\t", "\r\nBob", "b@c.d"};
    QTest::newRow("quotes and angle brackets")
        << QStringList{"\"O'Brien\"", "a'b@c.d", "<script>x</script>", "`Bob`", "\"b\"@c.d"}
        << QStringList{"\"O'Brien\"", "a'b@c.d", "<script>x</script>", "`Bob`", "\"b\"@c.d"};
    QTest::newRow("letters beyond ASCII")
        << QStringList{"Zoë Ångström", "jürgen@straße.de", "Grüße aus 東京 ✓", "Łukasz",
                       "ж@пример.рф"}
        << QStringList{"Zoë Ångström", "jürgen@straße.de", "Grüße aus 東京 ✓", "Łukasz",
                       "ж@пример.рф"};
    QTest::newRow("a whole address as the name")
        << QStringList{"http://evil.example/?taf1=x", "a@c.d", "m", "Bob", "b@c.d"}
        << QStringList{"http://evil.example/?taf1=x", "a@c.d", "m", "Bob", "b@c.d"};
}

void TestTellAFriend::hostileValuesArriveIntact()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, received);

    FakePlatform fake;
    WebLinks links(fake.browser);
    modTellAFriend referral(links, fake.messages);
    referral.submitEntries({typed.at(0), typed.at(1), typed.at(2), typed.at(3), typed.at(4)});
    QCOMPARE(fake.messages.texts(), QStringList());
    QCOMPARE(fake.browser.opened.size(), 1);
    const QString address = fake.browser.opened.first();

    const QUrl url = QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("http"));
    QCOMPARE(url.host(), QLatin1String(CUBOMANCER_SITE_HOST));
    QCOMPARE(url.path(), QStringLiteral("/ohms-refer-a-friend.php"));
    QVERIFY(!url.hasFragment());
    QVERIFY(SystemBrowser::isOpenable(address));

    const QString productPage = site() + "/cubomancer/";
    const QueryItems expected{{"taf1", received.at(0)}, {"taf2", received.at(1)},
                              {"taf3", received.at(2)}, {"taf4", received.at(3)},
                              {"taf5", received.at(4)}, {"taf6", productPage}};
    QCOMPARE(QUrlQuery(url).queryItems(QUrl::FullyDecoded), expected);
    QCOMPARE(formDecode(url.query(QUrl::FullyEncoded)), expected);
}

QTEST_GUILESS_MAIN(TestTellAFriend)
#include "tst_modtellafriend.moc"

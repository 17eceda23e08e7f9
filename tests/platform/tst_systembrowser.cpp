// SPDX-License-Identifier: MIT
#include "platform/browser.h"
#include "weblinks/weblinks.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Drives the real launcher against a stand-in xdg-open, first on PATH, that records each
// argument it receives followed by a NUL byte.
class TestSystemBrowser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void isOpenable_data();
    void isOpenable();
    void addressArrivesByteForByte_data();
    void addressArrivesByteForByte();
    void hostileTextRunsNothing_data();
    void hostileTextRunsNothing();
    void missingOpenerIsSilent();

private:
    QStringList recordedArguments() const;
    QTemporaryDir m_dir;
    QString m_log;
    QByteArray m_originalPath;
};

void TestSystemBrowser::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_log = m_dir.filePath(QStringLiteral("opened.log"));
    const QString opener = m_dir.filePath(QStringLiteral("bin/xdg-open"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("bin")));
    QFile script(opener);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor argument in \"$@\"; do printf '%s\\0' \"$argument\" >> '" +
                 m_log.toUtf8() + "'; done\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_originalPath = qgetenv("PATH");
    qputenv("PATH", m_dir.filePath(QStringLiteral("bin")).toUtf8() + ':' + m_originalPath);
}

void TestSystemBrowser::init()
{
    QFile::remove(m_log);
}

QStringList TestSystemBrowser::recordedArguments() const
{
    QFile log(m_log);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QStringList arguments;
    const QList<QByteArray> parts = log.readAll().split('\0');
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        arguments.append(QString::fromUtf8(parts[i]));
    return arguments;
}

void TestSystemBrowser::isOpenable_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("openable");
    QTest::newRow("home page") << WebLinks::homePageAddress() << true;
    QTest::newRow("https") << "https://h.example/x" << true;
    QTest::newRow("percent-encoded query") << "http://h.example/p?a=%20%26&b=%C3%A9" << true;
    QTest::newRow("space") << "http://h.example/a b" << false;
    QTest::newRow("newline") << "http://h.example/a\nb" << false;
    QTest::newRow("stray percent") << "http://h.example/100%" << false;
    QTest::newRow("option-like") << "--help" << false;
    QTest::newRow("file scheme") << "file:///etc/passwd" << false;
    QTest::newRow("javascript scheme") << "javascript:alert(1)" << false;
    QTest::newRow("no host") << "http:///path" << false;
    QTest::newRow("empty") << "" << false;
    const QString host = QStringLiteral("http://h.example/");
    QTest::newRow("longest one argument")
        << host + QString(128 * 1024 - 1 - host.size(), QLatin1Char('a')) << true;
    QTest::newRow("too long for one argument")
        << host + QString(128 * 1024 - host.size(), QLatin1Char('a')) << false;
}

void TestSystemBrowser::isOpenable()
{
    QFETCH(QString, address);
    QTEST(SystemBrowser::isOpenable(address), "openable");
}

void TestSystemBrowser::addressArrivesByteForByte_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("home page") << WebLinks::homePageAddress();
    QTest::newRow("online help") << WebLinks::onlineHelpAddress();
    QTest::newRow("download page") << WebLinks::downloadPageAddress();
    QTest::newRow("software library") << WebLinks::softwareLibraryAddress();
    QTest::newRow("donate page") << WebLinks::donatePageAddress();
    QTest::newRow("fully branded page") << WebLinks::fullBrandPageAddress();
    QTest::newRow("co-brand page") << WebLinks::coBrandPageAddress();
    QTest::newRow("encoded referral")
        << WebLinks::siteAddress(QStringLiteral(
               "/ohms-refer-a-friend.php?taf1=Ann%20Lee&taf2=a@b.example"
               "&taf3=Your%20Message%0D%0A&taf4=J%C3%BCrgen&taf5=j@c.example&taf6=")) +
               WebLinks::siteAddress(QStringLiteral("/cubomancer/"));
}

void TestSystemBrowser::addressArrivesByteForByte()
{
    QFETCH(QString, address);
    SystemBrowser browser;
    browser.open(address);
    QTRY_COMPARE(recordedArguments(), QStringList{address});
}

void TestSystemBrowser::hostileTextRunsNothing_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("wellFormed");
    QTest::newRow("substitution and redirection") << "http://h.example/;$(id)>MARKER" << false;
    QTest::newRow("semicolon and dollar, well-formed") << "http://h.example/;$(id);x=1" << true;
    QTest::newRow("command substitution with space") << "http://h.example/$(touch MARKER)" << false;
    QTest::newRow("backquotes") << "http://h.example/`touch MARKER`" << false;
    QTest::newRow("semicolon and space") << "http://h.example/a; touch MARKER" << false;
    QTest::newRow("quotes and newline") << "http://h.example/\"'\ntouch MARKER" << false;
}

void TestSystemBrowser::hostileTextRunsNothing()
{
    QFETCH(QString, address);
    QFETCH(bool, wellFormed);
    const QString marker = m_dir.filePath(QStringLiteral("marker"));
    address.replace(QStringLiteral("MARKER"), marker);
    SystemBrowser browser;
    browser.open(address);
    // A well-formed address reaches the opener as one single argument; other text is refused
    // and nothing is started. Give a launched opener time to run before concluding.
    const QStringList expected = wellFormed ? QStringList{address} : QStringList();
    if (wellFormed)
        QTRY_COMPARE(recordedArguments(), expected);
    QTest::qWait(300);
    QCOMPARE(recordedArguments(), expected);
    QVERIFY(!QFile::exists(marker));
}

void TestSystemBrowser::missingOpenerIsSilent()
{
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toUtf8());
    SystemBrowser browser;
    QElapsedTimer timer;
    timer.start();
    browser.open(WebLinks::homePageAddress());
    QVERIFY(timer.elapsed() < 2000);
    qputenv("PATH", m_dir.filePath(QStringLiteral("bin")).toUtf8() + ':' + m_originalPath);
    QTest::qWait(100);
    QVERIFY(recordedArguments().isEmpty());
}

QTEST_GUILESS_MAIN(TestSystemBrowser)
#include "tst_systembrowser.moc"

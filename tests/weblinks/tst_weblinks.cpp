// SPDX-License-Identifier: MIT
#include "fakeplatform.h"
#include "siteconfig.h"
#include "weblinks/weblinks.h"

#include <QTest>

#include <functional>

using Operation = std::function<void(WebLinks &)>;
Q_DECLARE_METATYPE(Operation)

class TestWebLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogue_data();
    void catalogue();
    void openWebAddressPassesAnyTextUnchanged();
};

void TestWebLinks::catalogue_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("address");

    // Every address is "http://", one of the two hosts the build was given, and the page's path.
    const QString site = QStringLiteral("http://") + QLatin1String(CUBOMANCER_SITE_HOST);
    const QString help = QStringLiteral("http://") + QLatin1String(CUBOMANCER_HELP_HOST);
    QTest::newRow("home page, no trailing slash") << Operation(&WebLinks::OpenHomePage) << site;
    QTest::newRow("online help") << Operation(&WebLinks::OpenOnlineHelp)
                                 << site + "/cubomancer/cubomancer-help.html";
    QTest::newRow("download page")
        << Operation(&WebLinks::OpenDownloadPage) << site + "/cubomancer/download-cubomancer.html";
    QTest::newRow("software library, no trailing slash")
        << Operation(&WebLinks::OpenSoftwareLibrary) << site + "/augurysoftwares";
    QTest::newRow("donate page on the help site")
        << Operation(&WebLinks::OpenDonatePage) << help + "/donate.html";
    QTest::newRow("fully branded page on the help site")
        << Operation(&WebLinks::OpenFullBrandPage) << help + "/fully-branded.html";
    QTest::newRow("co-brand page on the help site")
        << Operation(&WebLinks::OpenCoBrandPage) << help + "/co-brand.html";
}

void TestWebLinks::catalogue()
{
    QFETCH(Operation, operation);
    QFETCH(QString, address);
    RecordingBrowser browser;
    WebLinks links(browser);
    operation(links);
    QCOMPARE(browser.opened, QStringList{address});
    // Nothing is suppressed: a second call opens the page again.
    operation(links);
    QCOMPARE(browser.opened, QStringList({address, address}));
}

void TestWebLinks::openWebAddressPassesAnyTextUnchanged()
{
    RecordingBrowser browser;
    WebLinks links(browser);
    const QString address = WebLinks::siteAddress(QStringLiteral("/x?a=%C3%A9&b=c d"));
    links.OpenWebAddress(address);
    QCOMPARE(browser.opened, QStringList{address});
}

QTEST_APPLESS_MAIN(TestWebLinks)
#include "tst_weblinks.moc"

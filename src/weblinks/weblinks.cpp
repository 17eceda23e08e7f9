// SPDX-License-Identifier: MIT
#include "weblinks.h"

#include "platform/browser.h"
#include "siteconfig.h"

WebLinks::WebLinks(Browser &browser) : m_browser(browser) {}

QString WebLinks::siteAddress(const QString &path)
{
    return QStringLiteral("http://") + QLatin1String(CUBOMANCER_SITE_HOST) + path;
}

QString WebLinks::helpSiteAddress(const QString &path)
{
    return QStringLiteral("http://") + QLatin1String(CUBOMANCER_HELP_HOST) + path;
}

QString WebLinks::onlineHelpAddress()
{
    return siteAddress(QStringLiteral("/cubomancer/cubomancer-help.html"));
}

QString WebLinks::downloadPageAddress()
{
    return siteAddress(QStringLiteral("/cubomancer/download-cubomancer.html"));
}

QString WebLinks::softwareLibraryAddress()
{
    return siteAddress(QStringLiteral("/augurysoftwares"));
}

QString WebLinks::donatePageAddress()
{
    return helpSiteAddress(QStringLiteral("/donate.html"));
}

QString WebLinks::fullBrandPageAddress()
{
    return helpSiteAddress(QStringLiteral("/fully-branded.html"));
}

QString WebLinks::coBrandPageAddress()
{
    return helpSiteAddress(QStringLiteral("/co-brand.html"));
}

void WebLinks::OpenWebAddress(const QString &address)
{
    m_browser.open(address);
}

void WebLinks::OpenHomePage()
{
    OpenWebAddress(homePageAddress());
}

void WebLinks::OpenOnlineHelp()
{
    OpenWebAddress(onlineHelpAddress());
}

void WebLinks::OpenDownloadPage()
{
    OpenWebAddress(downloadPageAddress());
}

void WebLinks::OpenSoftwareLibrary()
{
    OpenWebAddress(softwareLibraryAddress());
}

void WebLinks::OpenDonatePage()
{
    OpenWebAddress(donatePageAddress());
}

void WebLinks::OpenFullBrandPage()
{
    OpenWebAddress(fullBrandPageAddress());
}

void WebLinks::OpenCoBrandPage()
{
    OpenWebAddress(coBrandPageAddress());
}

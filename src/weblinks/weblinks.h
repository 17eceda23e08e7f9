// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Browser;

// The one way the program opens web addresses, and the catalogue of the maker's fixed pages.
// Every operation hands its address to the browser and returns at once; a page that cannot be
// opened fails silently.
class WebLinks
{
public:
    explicit WebLinks(Browser &browser);

    void OpenWebAddress(const QString &address);

    void OpenHomePage();
    void OpenOnlineHelp();
    void OpenDownloadPage();
    void OpenSoftwareLibrary();
    void OpenDonatePage();
    void OpenFullBrandPage();
    void OpenCoBrandPage();

    // "http://" and a host of the maker's, followed by path.
    static QString siteAddress(const QString &path = QString());
    static QString helpSiteAddress(const QString &path);

    static QString homePageAddress() { return siteAddress(); }
    static QString onlineHelpAddress();
    static QString downloadPageAddress();
    static QString softwareLibraryAddress();
    static QString donatePageAddress();
    static QString fullBrandPageAddress();
    static QString coBrandPageAddress();

private:
    Browser &m_browser;
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Browser;

// Web links and the update reminder: everything that sends the user to the maker's pages.
//
//   WebLinks       - the one way the program opens web addresses, and the catalogue of the
//                    maker's fixed pages, built from the two hosts of the build (siteconfig.h)
//   UpdateReminder - the start-up question, once a fortnight, whether to look for a newer
//                    version (updatereminder.h): it reads and writes its date through the
//                    SettingsStore, asks through MessageBoxes and on Yes opens the download page
//                    through WebLinks
//
// The windows, the reminder and the referral form call into WebLinks, which hands the address
// to the Browser; nothing comes back. Every operation returns at once; a page that cannot be
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

// SPDX-License-Identifier: MIT
#include "systembrowser.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool SystemBrowser::isOpenable(const QString &address)
{
    // The opener takes the address as one argument, and the kernel refuses a single argument of
    // 128 KiB or more; refuse it before paying for a parse.
    constexpr qsizetype longestArgument = 128 * 1024 - 1;
    if (address.size() > longestArgument)
        return false;
    const QByteArray bytes = address.toUtf8();
    if (bytes.size() > longestArgument)
        return false;
    // Strict parsing refuses spaces, quotes, control characters and stray "%", so nothing that
    // a tolerant parser would rewrite is ever opened in a form other than the one given.
    const QUrl url = QUrl::fromEncoded(bytes, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

void SystemBrowser::open(const QString &address)
{
    if (!isOpenable(address))
        return;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    // xdg-open picks the user's default browser on every freedesktop desktop and works whatever
    // Qt platform plugin is in use. startDetached runs no shell and does not wait.
    QProcess::startDetached(QStringLiteral("xdg-open"), {address});
#else
    QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode));
#endif
}

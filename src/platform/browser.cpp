// SPDX-License-Identifier: MIT
#include "platform/browser.h"

#include <QUrl>

bool SystemBrowser::isOpenable(const QString &address)
{
    // On Linux the opener takes the address as one argument, and the kernel refuses a single
    // argument of 128 KiB or more; refuse it before paying for a parse.
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

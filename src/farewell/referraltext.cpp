// SPDX-License-Identifier: MIT
#include "referraltext.h"

namespace ReferralText {

QString trimSpaces(const QString &text)
{
    const QChar space(u' ');
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == space)
        ++first;
    while (end > first && text.at(end - 1) == space)
        --end;
    return text.mid(first, end - first);
}

std::optional<QString> textOnEntering(const QString &text, const QString &prompt)
{
    if (trimSpaces(text) == prompt)
        return QString();
    return std::nullopt;
}

std::optional<QString> textOnLeaving(const QString &text, const QString &prompt)
{
    if (trimSpaces(text).isEmpty())
        return prompt;
    return std::nullopt;
}

} // namespace ReferralText

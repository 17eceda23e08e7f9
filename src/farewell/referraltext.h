// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

// The texts the referral fields show while nothing has been entered, and the rules that take
// them away and put them back. The submission treats a field whose trimmed text equals its
// prompt as not filled in, so the prompts are shared by the form and the submission.
namespace ReferralText {

inline QString namePrompt()
{
    return QCoreApplication::translate("ReferralText", "Your Name");
}

inline QString emailPrompt()
{
    return QCoreApplication::translate("ReferralText", "Your Email Address");
}

inline QString friendNamePrompt()
{
    return QCoreApplication::translate("ReferralText", "Friend's Name");
}

inline QString friendEmailPrompt()
{
    return QCoreApplication::translate("ReferralText", "Friend's Email Address");
}

inline QString messagePrompt()
{
    return QCoreApplication::translate("ReferralText", "Your Message");
}

// The message field is out of sight, so it starts with a text that is not its prompt and is
// therefore accepted as a filled-in message.
inline QString messageInitialText()
{
    return messagePrompt() + QStringLiteral("\r\n");
}

// Removes leading and trailing spaces (U+0020) only; tabs, line breaks and other blanks stay.
QString trimSpaces(const QString &text);

// The field's new text when it takes the focus: empty if it holds its prompt, possibly padded
// with spaces; nothing to change otherwise. Comparison is exact and case-sensitive.
std::optional<QString> textOnEntering(const QString &text, const QString &prompt);

// The field's new text when it loses the focus: its prompt if nothing but spaces is left;
// nothing to change otherwise. A typed text is never trimmed in place.
std::optional<QString> textOnLeaving(const QString &text, const QString &prompt);

} // namespace ReferralText

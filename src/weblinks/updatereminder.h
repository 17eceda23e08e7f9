// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <optional>

class MessageBoxes;
class WebLinks;

// The start-up reminder to look for a newer version. It keeps one date in the settings store:
// the day it last asked, or the day of the first start. When that date lies more than a
// fortnight away from today, in either direction, it asks once, moves the date to today
// whatever the answer, and opens the download page on Yes.
class UpdateReminder
{
    Q_DECLARE_TR_FUNCTIONS(UpdateReminder)

public:
    // applicationName names the settings (platform/settings.h).
    UpdateReminder(const QString &applicationName, MessageBoxes &messages, WebLinks &links);

    // False when the store could not be read or today's date could not be stored; the question,
    // when due, has been asked either way.
    bool RunUpdateReminder(const QDate &today);

    // Days between the stored date and today after which the question is due.
    static constexpr qint64 reminderIntervalDays = 14;

    static bool isQuestionDue(const QDate &stored, const QDate &today);
    // The stored text as a date: ISO form only, whatever the user's locale; nothing when the
    // text is not a valid date.
    static std::optional<QDate> parseStoredDate(const QString &text);
    static QString formatStoredDate(const QDate &date);
    static QString questionText();

    static QString section() { return QStringLiteral("Settings"); }
    static QString key() { return QStringLiteral("Duration"); }

private:
    bool storeToday(const QDate &today);

    QString m_applicationName;
    MessageBoxes &m_messages;
    WebLinks &m_links;
};

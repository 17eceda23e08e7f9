// SPDX-License-Identifier: MIT
#include "updatereminder.h"

#include "platform/messageboxes.h"
#include "platform/settings.h"
#include "weblinks.h"

#include <cstdlib>

UpdateReminder::UpdateReminder(const QString &applicationName, MessageBoxes &messages,
                               WebLinks &links)
    : m_applicationName(applicationName), m_messages(messages), m_links(links)
{
}

bool UpdateReminder::isQuestionDue(const QDate &stored, const QDate &today)
{
    return std::llabs(today.daysTo(stored)) > reminderIntervalDays;
}

std::optional<QDate> UpdateReminder::parseStoredDate(const QString &text)
{
    // Qt's ISO reader also takes other separators and trailing text; only the exact form this
    // program writes counts, so a damaged value is not mistaken for a date.
    const QString trimmed = text.trimmed();
    const QDate date = QDate::fromString(trimmed, Qt::ISODate);
    if (!date.isValid() || formatStoredDate(date) != trimmed)
        return std::nullopt;
    return date;
}

QString UpdateReminder::formatStoredDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QString UpdateReminder::questionText()
{
    // A bare carriage return shows as a line break in some styles and as a space in others.
    return tr("There maybe an update to this software available\n"
              "Do you want to check for an update?");
}

bool UpdateReminder::storeToday(const QDate &today)
{
    return Settings::write(m_applicationName, section(), key(), formatStoredDate(today));
}

bool UpdateReminder::RunUpdateReminder(const QDate &today)
{
    if (!today.isValid())
        return false;

    const std::optional<QString> stored = Settings::read(m_applicationName, section(), key());
    if (!stored)
        return false;

    // A value that is not a date counts as none: otherwise the reminder would stay silent until
    // someone repaired the store by hand.
    const std::optional<QDate> storedDate = parseStoredDate(*stored);
    if (!storedDate)
        return storeToday(today);

    if (!isQuestionDue(*storedDate, today))
        return true;

    const MessageAnswer answer =
        m_messages.show(questionText(), MessageIcon::Information, MessageButtons::YesNo);
    // The date moves on before the page opens, but a store that refuses the date does not take
    // the user's Yes away.
    const bool storedOk = storeToday(today);
    if (answer == MessageAnswer::Yes)
        m_links.OpenDownloadPage();
    return storedOk;
}

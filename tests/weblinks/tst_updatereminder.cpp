// SPDX-License-Identifier: MIT
#include "fakeplatform.h"
#include "platform/settings.h"
#include "testenvironment.h"
#include "weblinks/updatereminder.h"
#include "weblinks/weblinks.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <optional>

namespace {
QString storedText(const QString &name)
{
    return Settings::read(name, UpdateReminder::section(), UpdateReminder::key())
        .value_or(QStringLiteral("(unreadable)"));
}

void store(const QString &name, const QString &text)
{
    QVERIFY(Settings::write(name, UpdateReminder::section(), UpdateReminder::key(), text));
}

// Remembers what the store held at the moment each page was opened.
class SnapshotBrowser final : public Browser
{
public:
    explicit SnapshotBrowser(const QString &name) : m_name(name) {}
    void open(const QString &address) override
    {
        opened.append(address);
        storedWhenOpened.append(storedText(m_name));
    }
    QStringList opened;
    QStringList storedWhenOpened;

private:
    QString m_name;
};

struct Run
{
    bool succeeded = false;
    QList<ScriptedMessageBoxes::Shown> questions;
    QStringList opened;
    QStringList storedWhenOpened;
};

Run runReminder(const QString &name, const QDate &today,
                std::optional<MessageAnswer> answer = std::nullopt)
{
    ScriptedMessageBoxes messages;
    if (answer)
        messages.answers = {*answer};
    SnapshotBrowser browser(name);
    WebLinks links(browser);
    UpdateReminder reminder(name, messages, links);
    Run run;
    run.succeeded = reminder.RunUpdateReminder(today);
    run.questions = messages.shown;
    run.opened = browser.opened;
    run.storedWhenOpened = browser.storedWhenOpened;
    return run;
}

// Closes a folder to writes for the life of the object.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(path), m_before(QFile::permissions(path))
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder() { QFile::setPermissions(m_path, m_before); }

private:
    QString m_path;
    QFile::Permissions m_before;
};
} // namespace

class TestUpdateReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartStoresTodayWithoutAsking();
    void storedDate_data();
    void storedDate();
    void answer_data();
    void answer();
    void questionIsTwoLinesWithYesAndNo();
    void noQuestionAgainOnTheSameDay();
    void textThatIsNotADateIsReplacedSilently_data();
    void textThatIsNotADateIsReplacedSilently();
    void unreadableStoreAsksNothing();
    void unwritableStoreStillHonoursYes_data();
    void unwritableStoreStillHonoursYes();

    void dateWrittenUnderOneLocaleReadsBackUnderAnother_data();
    void dateWrittenUnderOneLocaleReadsBackUnderAnother();
    void copyUnderAnotherNameIsAFirstStart();

private:
    QString freshName() { return m_environment.freshName(QStringLiteral("reminder")); }

    TestEnvironment m_environment;
    const QDate m_today{2026, 12, 7};
};

void TestUpdateReminder::firstStartStoresTodayWithoutAsking()
{
    const QString name = freshName();
    const Run run = runReminder(name, m_today);
    QVERIFY(run.succeeded);
    QVERIFY(run.questions.isEmpty());
    QVERIFY(run.opened.isEmpty());
    QCOMPARE(storedText(name), UpdateReminder::formatStoredDate(m_today));
    QCOMPARE(m_environment.storeAsFound(name)->value(QStringLiteral("Settings/Duration")),
             QStringLiteral("2026-12-07"));
}

void TestUpdateReminder::storedDate_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asked");

    const QDate today(2026, 12, 7);
    QTest::newRow("same day") << today << "2026-12-07" << false;
    QTest::newRow("14 days ago is not yet due") << today << "2026-11-23" << false;
    QTest::newRow("15 days ago is due") << today << "2026-11-22" << true;
    QTest::newRow("14 days ahead is not yet due") << today << "2026-12-21" << false;
    QTest::newRow("15 days ahead (clock set back) is due") << today << "2026-12-22" << true;
    QTest::newRow("a year ago") << today << "2025-12-07" << true;
    QTest::newRow("14 days back over a leap day") << QDate(2028, 3, 7) << "2028-02-22" << false;
    QTest::newRow("15 days back over a leap day") << QDate(2028, 3, 7) << "2028-02-21" << true;
    QTest::newRow("14 days back over new year") << QDate(2027, 1, 5) << "2026-12-22" << false;
    QTest::newRow("15 days back over new year") << QDate(2027, 1, 5) << "2026-12-21" << true;
}

void TestUpdateReminder::storedDate()
{
    QFETCH(QDate, today);
    QFETCH(QString, stored);
    QFETCH(bool, asked);
    const QString name = freshName();
    store(name, stored);

    const Run run = runReminder(name, today, MessageAnswer::No);

    QVERIFY(run.succeeded);
    QCOMPARE(run.questions.size(), asked ? 1 : 0);
    QVERIFY(run.opened.isEmpty());
    // Not due: the date keeps counting from the last question.
    QCOMPARE(storedText(name), asked ? UpdateReminder::formatStoredDate(today) : stored);
}

void TestUpdateReminder::answer_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("pageOpens");

    QTest::newRow("Yes opens the download page") << MessageAnswer::Yes << true;
    QTest::newRow("No opens nothing") << MessageAnswer::No << false;
}

void TestUpdateReminder::answer()
{
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, pageOpens);
    const QString name = freshName();
    store(name, QStringLiteral("2026-11-01"));

    const Run run = runReminder(name, m_today, answer);

    QVERIFY(run.succeeded);
    QCOMPARE(run.questions.size(), 1);
    const QString today = UpdateReminder::formatStoredDate(m_today);
    QCOMPARE(storedText(name), today);
    if (pageOpens) {
        QCOMPARE(run.opened, QStringList{WebLinks::downloadPageAddress()});
        // The date has moved on before the page opens.
        QCOMPARE(run.storedWhenOpened, QStringList{today});
    } else {
        QVERIFY(run.opened.isEmpty());
    }
}

void TestUpdateReminder::questionIsTwoLinesWithYesAndNo()
{
    const QString name = freshName();
    store(name, QStringLiteral("2025-01-01"));
    const Run run = runReminder(name, m_today, MessageAnswer::No);

    QCOMPARE(run.questions.size(), 1);
    const ScriptedMessageBoxes::Shown &question = run.questions.first();
    QCOMPARE(question.text, UpdateReminder::questionText());
    const QStringList lines = question.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY(!lines.first().isEmpty() && !lines.last().isEmpty());
    QVERIFY(!question.text.contains(QLatin1Char('\r')));
    QCOMPARE(question.icon, MessageIcon::Information);
    QCOMPARE(question.buttons, MessageButtons::YesNo);
}

void TestUpdateReminder::noQuestionAgainOnTheSameDay()
{
    const QString name = freshName();
    store(name, QStringLiteral("2026-10-01"));
    QCOMPARE(runReminder(name, m_today, MessageAnswer::No).questions.size(), 1);
    QCOMPARE(runReminder(name, m_today, MessageAnswer::No).questions.size(), 0);
    // Still quiet two weeks later, due again the day after.
    const qint64 interval = UpdateReminder::reminderIntervalDays;
    QCOMPARE(runReminder(name, m_today.addDays(interval)).questions.size(), 0);
    QCOMPARE(runReminder(name, m_today.addDays(interval + 1), MessageAnswer::No).questions.size(),
             1);
}

void TestUpdateReminder::textThatIsNotADateIsReplacedSilently_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("damagedFile"); // the whole file instead, where there is one

    QTest::newRow("words") << QStringLiteral("soon") << QByteArray();
    QTest::newRow("a locale's short date") << QStringLiteral("11/1/2026") << QByteArray();
    QTest::newRow("slashes instead of dashes") << QStringLiteral("2026/11/01") << QByteArray();
    QTest::newRow("trailing text") << QStringLiteral("2026-11-01junk") << QByteArray();
    QTest::newRow("no such day") << QStringLiteral("2026-02-30") << QByteArray();
    QTest::newRow("single-digit month") << QStringLiteral("2026-1-01") << QByteArray();
    if (!settingsLiveInFiles)
        return;
    QTest::newRow("file: binary garbage") << QString() << QByteArray("\xff\xfe\x00\x01[[[=\n", 9);
    QTest::newRow("file: a list") << QString() << QByteArray("[Settings]\nDuration=a, b\n");
    QTest::newRow("file: unclosed section") << QString() << QByteArray("[Settings\nDuration=x\n");
}

void TestUpdateReminder::textThatIsNotADateIsReplacedSilently()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, damagedFile);
    const QString name = freshName();
    if (damagedFile.isEmpty()) {
        store(name, text);
    } else {
        QDir(m_environment.configPath()).mkpath(name);
        QFile file(m_environment.settingsFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damagedFile) == damagedFile.size());
    }

    const Run run = runReminder(name, m_today);

    QVERIFY(run.succeeded);
    QVERIFY(run.questions.isEmpty());
    QCOMPARE(storedText(name), UpdateReminder::formatStoredDate(m_today));
    // From now on the reminder counts again.
    QCOMPARE(runReminder(name, m_today.addDays(15), MessageAnswer::No).questions.size(), 1);
}

void TestUpdateReminder::unreadableStoreAsksNothing()
{
    if (!configFolderCanBeClosed())
        QSKIP("the store cannot be closed to reads here");
    const QString name = freshName();
    store(name, QStringLiteral("2026-01-01"));
    const QString file = m_environment.settingsFile(name);
    QVERIFY(QFile::setPermissions(file, {}));
    const Run run = runReminder(name, m_today, MessageAnswer::Yes);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(!run.succeeded);
    QVERIFY(run.questions.isEmpty());
    QVERIFY(run.opened.isEmpty());
    QCOMPARE(storedText(name), QStringLiteral("2026-01-01"));
}

void TestUpdateReminder::unwritableStoreStillHonoursYes_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("pages");

    QTest::newRow("first start") << QString() << 0 << 0;
    QTest::newRow("due, answered Yes") << QStringLiteral("2026-01-01") << 1 << 1;
}

// A read-only config folder leaves the program usable: whatever is due is still asked.
void TestUpdateReminder::unwritableStoreStillHonoursYes()
{
    QFETCH(QString, stored);
    QFETCH(int, questions);
    QFETCH(int, pages);
    if (!configFolderCanBeClosed())
        QSKIP("the store cannot be closed to writes here");
    const QString name = freshName();
    if (!stored.isEmpty())
        store(name, stored);
    Run run;
    {
        const ReadOnlyFolder closed(m_environment.configPath());
        const ReadOnlyFolder closedToo(m_environment.configPath() + QLatin1Char('/') + name);
        run = runReminder(name, m_today, MessageAnswer::Yes);
    }
    QVERIFY(!run.succeeded);
    QCOMPARE(run.questions.size(), questions);
    QCOMPARE(run.opened.size(), pages);
    QCOMPARE(storedText(name), stored);
}

void TestUpdateReminder::dateWrittenUnderOneLocaleReadsBackUnderAnother_data()
{
    QTest::addColumn<QLocale>("writer");
    QTest::addColumn<QLocale>("reader");

    QTest::newRow("German to US English") << QLocale(QLocale::German, QLocale::Germany)
                                          << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("US English to British English")
        << QLocale(QLocale::English, QLocale::UnitedStates)
        << QLocale(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("Arabic digits to Japanese")
        << QLocale(QLocale::Arabic, QLocale::Egypt) << QLocale(QLocale::Japanese, QLocale::Japan);
    QTest::newRow("Persian calendar locale to Hindi")
        << QLocale(QLocale::Persian, QLocale::Iran) << QLocale(QLocale::Hindi, QLocale::India);
}

void TestUpdateReminder::dateWrittenUnderOneLocaleReadsBackUnderAnother()
{
    QFETCH(QLocale, writer);
    QFETCH(QLocale, reader);
    const QString name = freshName();
    const QLocale pinned;

    QLocale::setDefault(writer);
    runReminder(name, m_today);
    QLocale::setDefault(reader);
    const QString text = storedText(name);
    const std::optional<QDate> date = UpdateReminder::parseStoredDate(text);
    // A 13-day-old date must not look corrupt (which would store today) nor far away (which
    // would ask).
    const Run laterRun = runReminder(name, m_today.addDays(13));
    QLocale::setDefault(pinned);

    QVERIFY(date.has_value());
    QCOMPARE(*date, m_today);
    QVERIFY(laterRun.questions.isEmpty());
    QCOMPARE(storedText(name), text);
}

void TestUpdateReminder::copyUnderAnotherNameIsAFirstStart()
{
    const QString name = freshName();
    store(name, QStringLiteral("2026-01-01"));
    const QString copy = name + QStringLiteral(".1.15");

    const Run run = runReminder(copy, m_today, MessageAnswer::No);

    QVERIFY(run.questions.isEmpty());
    QCOMPARE(storedText(copy), UpdateReminder::formatStoredDate(m_today));
    QCOMPARE(storedText(name), QStringLiteral("2026-01-01"));
    if (settingsLiveInFiles)
        QVERIFY(QFile::exists(m_environment.settingsFile(copy)));
}

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"

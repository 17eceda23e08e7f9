// SPDX-License-Identifier: MIT
#include "fakeplatform.h"
#include "platform/qsettingsstore.h"
#include "testenvironment.h"
#include "weblinks/updatereminder.h"
#include "weblinks/weblinks.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <optional>

namespace {
const QString durationKey = QStringLiteral("Settings/Duration");

// Remembers what the store held at the moment each page was opened.
class SnapshotBrowser final : public Browser
{
public:
    explicit SnapshotBrowser(SettingsStore &settings) : m_settings(settings) {}
    void open(const QString &address) override
    {
        opened.append(address);
        storedWhenOpened.append(
            m_settings.read(UpdateReminder::section(), UpdateReminder::key()).value_or(QString()));
    }
    QStringList opened;
    QStringList storedWhenOpened;

private:
    SettingsStore &m_settings;
};

struct Run
{
    bool succeeded = false;
    QList<ScriptedMessageBoxes::Shown> questions;
    QStringList opened;
    QStringList storedWhenOpened;
};

Run runReminder(SettingsStore &settings, const QDate &today,
                std::optional<MessageAnswer> answer = std::nullopt)
{
    FixedClock clock;
    clock.date = today;
    ScriptedMessageBoxes messages;
    if (answer)
        messages.answers = {*answer};
    SnapshotBrowser browser(settings);
    WebLinks links(browser);
    UpdateReminder reminder(settings, clock, messages, links);
    Run run;
    run.succeeded = reminder.RunUpdateReminder();
    run.questions = messages.shown;
    run.opened = browser.opened;
    run.storedWhenOpened = browser.storedWhenOpened;
    return run;
}
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

    void realStoreKeepsTheDateBetweenRuns();
    void dateWrittenUnderOneLocaleReadsBackUnderAnother_data();
    void dateWrittenUnderOneLocaleReadsBackUnderAnother();
    void copyUnderAnotherNameIsAFirstStart();
    void readOnlyConfigFolderLeavesTheProgramUsable();

private:
    QString freshApplicationName() { return m_environment.freshName(QStringLiteral("reminder")); }

    TestEnvironment m_environment;
    const QDate m_today{2026, 12, 7};
};

void TestUpdateReminder::firstStartStoresTodayWithoutAsking()
{
    MemorySettings settings;
    const Run run = runReminder(settings, m_today);
    QVERIFY(run.succeeded);
    QVERIFY(run.questions.isEmpty());
    QVERIFY(run.opened.isEmpty());
    QCOMPARE(settings.values.value(durationKey), QStringLiteral("2026-12-07"));
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
    MemorySettings settings;
    settings.values.insert(durationKey, stored);

    const Run run = runReminder(settings, today, MessageAnswer::No);

    QVERIFY(run.succeeded);
    QCOMPARE(run.questions.size(), asked ? 1 : 0);
    QVERIFY(run.opened.isEmpty());
    // Not due: nothing is written, so the date keeps counting from the last question.
    QCOMPARE(settings.writes, asked ? 1 : 0);
    QCOMPARE(settings.values.value(durationKey), asked ? today.toString(Qt::ISODate) : stored);
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
    MemorySettings settings;
    settings.values.insert(durationKey, QStringLiteral("2026-11-01"));

    const Run run = runReminder(settings, m_today, answer);

    QVERIFY(run.succeeded);
    QCOMPARE(run.questions.size(), 1);
    QCOMPARE(settings.values.value(durationKey), QStringLiteral("2026-12-07"));
    if (pageOpens) {
        QCOMPARE(run.opened, QStringList{WebLinks::downloadPageAddress()});
        // The date has moved on before the page opens.
        QCOMPARE(run.storedWhenOpened, QStringList{QStringLiteral("2026-12-07")});
    } else {
        QVERIFY(run.opened.isEmpty());
    }
}

void TestUpdateReminder::questionIsTwoLinesWithYesAndNo()
{
    MemorySettings settings;
    settings.values.insert(durationKey, QStringLiteral("2025-01-01"));
    const Run run = runReminder(settings, m_today, MessageAnswer::No);

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
    MemorySettings settings;
    settings.values.insert(durationKey, QStringLiteral("2026-10-01"));
    QCOMPARE(runReminder(settings, m_today, MessageAnswer::No).questions.size(), 1);
    QCOMPARE(runReminder(settings, m_today, MessageAnswer::No).questions.size(), 0);
    // Still quiet two weeks later, due again the day after.
    QCOMPARE(runReminder(settings, m_today.addDays(14)).questions.size(), 0);
    QCOMPARE(runReminder(settings, m_today.addDays(15), MessageAnswer::No).questions.size(), 1);
}

void TestUpdateReminder::textThatIsNotADateIsReplacedSilently_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("words") << QStringLiteral("soon");
    QTest::newRow("a locale's short date") << QStringLiteral("11/1/2026");
    QTest::newRow("slashes instead of dashes") << QStringLiteral("2026/11/01");
    QTest::newRow("trailing text") << QStringLiteral("2026-11-01junk");
    QTest::newRow("no such day") << QStringLiteral("2026-02-30");
    QTest::newRow("single-digit month") << QStringLiteral("2026-1-01");
}

void TestUpdateReminder::textThatIsNotADateIsReplacedSilently()
{
    QFETCH(QString, text);
    MemorySettings settings;
    settings.values.insert(durationKey, text);

    const Run run = runReminder(settings, m_today);

    QVERIFY(run.succeeded);
    QVERIFY(run.questions.isEmpty());
    QCOMPARE(settings.values.value(durationKey), QStringLiteral("2026-12-07"));
    // From now on the reminder counts again.
    QCOMPARE(runReminder(settings, m_today.addDays(15), MessageAnswer::No).questions.size(), 1);
}

void TestUpdateReminder::unreadableStoreAsksNothing()
{
    MemorySettings settings;
    settings.readable = false;
    const Run run = runReminder(settings, m_today);
    QVERIFY(!run.succeeded);
    QVERIFY(run.questions.isEmpty());
    QVERIFY(run.opened.isEmpty());
    QCOMPARE(settings.writes, 0);
}

void TestUpdateReminder::unwritableStoreStillHonoursYes_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("pages");

    QTest::newRow("first start") << QString() << 0 << 0;
    QTest::newRow("due, answered Yes") << QStringLiteral("2026-01-01") << 1 << 1;
}

void TestUpdateReminder::unwritableStoreStillHonoursYes()
{
    QFETCH(QString, stored);
    QFETCH(int, questions);
    QFETCH(int, pages);
    MemorySettings settings;
    if (!stored.isEmpty())
        settings.values.insert(durationKey, stored);
    settings.writable = false;

    const Run run = runReminder(settings, m_today, MessageAnswer::Yes);

    QVERIFY(!run.succeeded);
    QCOMPARE(settings.writes, 1);
    QCOMPARE(run.questions.size(), questions);
    QCOMPARE(run.opened.size(), pages);
}

void TestUpdateReminder::realStoreKeepsTheDateBetweenRuns()
{
    const QString name = freshApplicationName();
    {
        QSettingsStore store(name);
        QVERIFY(runReminder(store, m_today).succeeded);
    }
    QCOMPARE(m_environment.storeAsFound(name)->value(durationKey).toString(),
             QStringLiteral("2026-12-07"));

    QSettingsStore again(name);
    QVERIFY(runReminder(again, m_today.addDays(14)).questions.isEmpty());
    QCOMPARE(runReminder(again, m_today.addDays(15), MessageAnswer::No).questions.size(), 1);
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
    const QString name = freshApplicationName();
    const QLocale pinned;

    QLocale::setDefault(writer);
    {
        QSettingsStore store(name);
        runReminder(store, m_today);
    }
    QLocale::setDefault(reader);
    QSettingsStore store(name);
    const QString text =
        store.read(UpdateReminder::section(), UpdateReminder::key()).value_or(QString());
    const std::optional<QDate> date = UpdateReminder::parseStoredDate(text);
    // A 13-day-old date must not look corrupt (which would store today) nor far away (which
    // would ask).
    const Run laterRun = runReminder(store, m_today.addDays(13));
    QLocale::setDefault(pinned);

    QVERIFY(date.has_value());
    QCOMPARE(*date, m_today);
    QVERIFY(laterRun.questions.isEmpty());
    QCOMPARE(store.read(UpdateReminder::section(), UpdateReminder::key()).value_or(QString()),
             text);
}

void TestUpdateReminder::copyUnderAnotherNameIsAFirstStart()
{
    const QString name = freshApplicationName();
    QSettingsStore original(name);
    QVERIFY(original.write(UpdateReminder::section(), UpdateReminder::key(),
                           QStringLiteral("2026-01-01")));

    QSettingsStore copy(name + QStringLiteral("-copy"));
    const Run run = runReminder(copy, m_today, MessageAnswer::No);

    QVERIFY(run.questions.isEmpty());
    QCOMPARE(copy.read(UpdateReminder::section(), UpdateReminder::key()),
             std::optional<QString>(QStringLiteral("2026-12-07")));
    QCOMPARE(original.read(UpdateReminder::section(), UpdateReminder::key()),
             std::optional<QString>(QStringLiteral("2026-01-01")));
}

void TestUpdateReminder::readOnlyConfigFolderLeavesTheProgramUsable()
{
    if (!configFolderCanBeClosed())
        QSKIP("the store cannot be closed to writes here");
    const QString name = freshApplicationName();
    const QString config = m_environment.configPath();
    const QFile::Permissions before = QFile::permissions(config);
    QFile::setPermissions(config, QFile::ReadOwner | QFile::ExeOwner);
    QSettingsStore store(name);
    const Run first = runReminder(store, m_today, MessageAnswer::Yes);
    QFile::setPermissions(config, before);

    QVERIFY(!first.succeeded);
    QVERIFY(first.questions.isEmpty());
    QVERIFY(!QDir(config).exists(name));
}

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"

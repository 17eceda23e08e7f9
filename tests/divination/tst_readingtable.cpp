// SPDX-License-Identifier: MIT
#include "app/translations.h"
#include "divination/readingtable.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTranslator>

class TestReadingTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parityPattern_data();
    void parityPattern();
    void findReading_data();
    void findReading();
    void tableIsComplete_data();
    void tableIsComplete();
};

void TestReadingTable::parityPattern_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("worked example 3614") << 3614 << "1010";
    QTest::newRow("all even 2222") << 2222 << "0000";
    QTest::newRow("all odd 5313") << 5313 << "1111";
    QTest::newRow("6543") << 6543 << "0101";
    QTest::newRow("first throw leftmost 1222") << 1222 << "1000";
    QTest::newRow("digits 0 and 8 even, 7 and 9 odd") << 7089 << "1001";
    QTest::newRow("three digits") << 135 << "111";
    QTest::newRow("five digits") << 12345 << "10101";
    QTest::newRow("single digit") << 4 << "0";
    QTest::newRow("largest 16-bit") << 32767 << "10101";
    QTest::newRow("sign ignored") << -3614 << "1010";
    QTest::newRow("smallest 16-bit") << -32768 << "10100";
}

void TestReadingTable::parityPattern()
{
    QFETCH(int, number);
    QTEST(ParityPattern(static_cast<qint16>(number)), "pattern");
}

void TestReadingTable::findReading_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("reading");

    // A pattern read as a binary number is the reading's place in the table.
    auto entry = [](int index) { return QString::fromLatin1(readingTable[index].text); };
    QTest::newRow("index 10") << "1010" << true << entry(10);
    QTest::newRow("index 0") << "0000" << true << entry(0);
    QTest::newRow("index 13") << "1101" << true << entry(13);
    QTest::newRow("index 15") << "1111" << true << entry(15);
    QTest::newRow("three characters") << "111" << false << QString();
    QTest::newRow("five characters") << "10101" << false << QString();
    QTest::newRow("empty") << "" << false << QString();
    QTest::newRow("padded") << " 1010" << false << QString();
    QTest::newRow("not binary") << "1a10" << false << QString();
}

void TestReadingTable::findReading()
{
    QFETCH(QString, pattern);
    QFETCH(bool, found);
    const std::optional<QString> reading = FindReading(pattern);
    QCOMPARE(reading.has_value(), found);
    if (found)
        QTEST(*reading, "reading");
}

void TestReadingTable::tableIsComplete_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("language"); // the catalogue's; none: the texts as written
    // English and the C locale read the texts as written.
    const auto catalogue = [](const QString &name) {
        const QLocale::Language spoken = QLocale(name).language();
        return spoken == QLocale::English || spoken <= QLocale::C ? QString() : name;
    };
    for (const char *name : {"C", "en_GB"})
        QTest::newRow(name) << QLocale(name) << catalogue(name);
    const QStringList catalogues =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("cubomancer_*")});
    for (const QString &file : catalogues) {
        const QString name = file.section(QLatin1Char('_'), 1).chopped(3);
        QTest::newRow(qPrintable(name)) << QLocale(name) << name;
    }
    // A region or script without a catalogue of its own reads its language's.
    for (const auto &[wanted, name] : {std::pair{"es_MX", "es"},
                                       {"no_NO", "nb"},
                                       {"zh_HK", "zh_TW"},
                                       {"zh-Hant", "zh_TW"},
                                       {"zh_SG", "zh_CN"},
                                       {"de_AT", "de"}})
        QTest::newRow(wanted) << QLocale(wanted) << QString(name);
    // The program's choice from the locale the environment names, however the system passes it
    // on: Wine makes it the interface language of Windows.
    QString desktop;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (desktop.isEmpty())
            desktop = qEnvironmentVariable(name).section(QLatin1Char('.'), 0, 0);
    }
    QTest::newRow("desktop's language") << QLocale::system() << catalogue(desktop);
}

void TestReadingTable::tableIsComplete()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, language);
    const QList<QTranslator *> translators =
        installTranslations(*QCoreApplication::instance(), locale);
    const auto uninstall = qScopeGuard([&translators] { qDeleteAll(translators); });
    QCOMPARE(translators.isEmpty(), language.isEmpty());
    if (!language.isEmpty())
        QCOMPARE(QLocale(translators.first()->language()).name(), QLocale(language).name());
    int longest = 0;
    QSet<QString> texts;
    for (int index = 0; index < 16; ++index) {
        const QString pattern = QString::number(index, 2).rightJustified(4, QLatin1Char('0'));
        QCOMPARE(QString::fromLatin1(readingTable[index].pattern), pattern);
        const std::optional<QString> reading = FindReading(pattern);
        QVERIFY(reading.has_value());
        QVERIFY(!reading->isEmpty());
        QVERIFY(!reading->endsWith(QLatin1Char(' ')));
        QVERIFY(!reading->contains(QLatin1Char('\n')));
        QCOMPARE(*reading == QLatin1String(readingTable[index].text), language.isEmpty());
        texts.insert(*reading);
        longest = qMax(longest, int(reading->size()));
    }
    QCOMPARE(texts.size(), 16);
    // As written, the reading the main window shows before the first roll is the longest one,
    // so the space laid out for it holds every other (translations are measured where shown).
    if (language.isEmpty())
        QCOMPARE(FindReading(QStringLiteral("0001"))->size(), longest);
}

QTEST_GUILESS_MAIN(TestReadingTable)
#include "tst_readingtable.moc"

// SPDX-License-Identifier: MIT
#include "app/translations.h"
#include "divination/readingtable.h"
#include "divination/rollsequence.h"
#include "divination/rounding.h"
#include "fakeplatform.h"
#include "platform/randomsource.h"

#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

#include <array>

using Panel = RollView::Panel;

namespace {
// The draw that yields the given die value (the middle of its span).
float drawFor(int die)
{
    static const std::array<float, 7> middle = {0.0f, 0.05f, 0.2f, 0.4f, 0.6f, 0.8f, 0.95f};
    return middle[die];
}
} // namespace

class TestRollSequence : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundHalfToEven_data();
    void roundHalfToEven();
    void drawBoundaries_data();
    void drawBoundaries();
    void dieDistributionOverEveryDraw();
    void everyDrawRoundsToItsExactNeighbour();
    void uniformRandomStaysBelowOne();
    void workedExample();
    void captionTableOverTwoSequences();
    void firstThrowHasNoLeadingZero();
    void numbersInTheLocalesDigits_data();
    void numbersInTheLocalesDigits();
    void appendThrow_data();
    void appendThrow();
    void offCyclePressesStaySafe();
};

void TestRollSequence::roundHalfToEven_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("3.5 up to even 4") << 3.5f << 4;
    QTest::newRow("2.5 down to even 2") << 2.5f << 2;
    QTest::newRow("5.5 up to even 6") << 5.5f << 6;
    QTest::newRow("1.5 up to even 2") << 1.5f << 2;
    QTest::newRow("below half") << 1.49999f << 1;
    QTest::newRow("above half") << 2.50001f << 3;
    QTest::newRow("whole") << 6.0f << 6;
    QTest::newRow("just below 6") << 5.9999995f << 6;
}

void TestRollSequence::roundHalfToEven()
{
    QFETCH(float, value);
    QTEST(::roundHalfToEven(value), "rounded");
}

void TestRollSequence::drawBoundaries_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("die");
    QTest::newRow("0 gives 1") << 0.0f << 1;
    QTest::newRow("just below 0.1 gives 1") << 0.0999f << 1;
    QTest::newRow("just above 0.1 gives 2") << 0.1001f << 2;
    QTest::newRow("0.5 gives 4") << 0.5f << 4;
    QTest::newRow("just above 0.9 gives 6") << 0.9001f << 6;
    QTest::newRow("largest draw gives 6") << UniformRandom::fromBits(0xFFFFFF) << 6;
}

void TestRollSequence::drawBoundaries()
{
    QFETCH(float, draw);
    ScriptedRandom random;
    random.values = {draw};
    RollSequence sequence(random);
    QTEST(int(sequence.DrawDieValue()), "die");
}

void TestRollSequence::dieDistributionOverEveryDraw()
{
    // Every value the generator can yield, once each.
    ScriptedRandom random;
    RollSequence sequence(random);
    std::array<qint64, 7> counts{};
    constexpr std::uint32_t all = 1u << 24;
    for (std::uint32_t bits = 0; bits < all; ++bits) {
        random.last = UniformRandom::fromBits(bits);
        const int die = sequence.DrawDieValue();
        // The message is built only for a draw that fails: 2^24 of them would cost seconds.
        if (die < 1 || die > 6)
            QFAIL(qPrintable(QStringLiteral("draw %1 gave %2").arg(bits).arg(die)));
        ++counts[die];
    }
    const std::array<double, 7> expected = {0, 0.1, 0.2, 0.2, 0.2, 0.2, 0.1};
    for (int die = 1; die <= 6; ++die) {
        const double share = double(counts[die]) / all;
        QVERIFY2(qAbs(share - expected[die]) < 1e-6,
                 qPrintable(QStringLiteral("die %1 share %2").arg(die).arg(share)));
    }
    const qint64 odd = counts[1] + counts[3] + counts[5];
    QVERIFY(qAbs(double(odd) / all - 0.5) < 1e-6);
}

void TestRollSequence::everyDrawRoundsToItsExactNeighbour()
{
    // A draw is k / 2^24, so scale * r + 1 is the fraction (scale * k + 2^24) / 2^24: its
    // nearest integer, halves to even, is worked out here in whole numbers, with no rounding.
    constexpr std::uint64_t denominator = 1u << 24;
    ScriptedRandom random;
    RollSequence sequence(random);
    for (std::uint64_t k = 0; k < denominator; ++k) {
        const float r = UniformRandom::fromBits(static_cast<std::uint32_t>(k));
        random.last = r;
        for (const std::uint64_t scale : {5u, 6u}) {
            const std::uint64_t numerator = scale * k + denominator;
            std::uint64_t nearest = numerator / denominator;
            const std::uint64_t twiceRest = 2 * (numerator % denominator);
            if (twiceRest > denominator || (twiceRest == denominator && nearest % 2 != 0))
                ++nearest;
            const int got = scale == 5 ? sequence.DrawDieValue() : roundedScaledDraw(6, r);
            if (got != int(nearest))
                QFAIL(qPrintable(QStringLiteral("%1 * %2 + 1 gave %3, not %4")
                                     .arg(scale)
                                     .arg(double(r), 0, 'g', 9)
                                     .arg(got)
                                     .arg(nearest)));
        }
    }
}

void TestRollSequence::uniformRandomStaysBelowOne()
{
    QCOMPARE(UniformRandom::fromBits(0), 0.0f);
    QVERIFY(UniformRandom::fromBits(0xFFFFFF) < 1.0f);
    QCOMPARE(UniformRandom::fromBits(0x800000), 0.5f);
    UniformRandom random;
    random.reseed(12345);
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        sum += r;
    }
    QVERIFY(qAbs(sum / 100000 - 0.5) < 0.01);

    UniformRandom again;
    again.reseed(12345);
    random.reseed(12345);
    QCOMPARE(again.next(), random.next());
    random.reseed(12346);
    QVERIFY(again.next() != random.next() || again.next() != random.next());
}

void TestRollSequence::workedExample()
{
    ScriptedRandom random;
    for (int die : {3, 6, 1, 4})
        random.values.append(drawFor(die));
    RollSequence sequence(random);
    sequence.load();
    for (int press = 0; press < 4; ++press)
        sequence.pressRoll();
    QCOMPARE(sequence.RollNumber(), qint16(3614));
    QCOMPARE(sequence.view().rollButtonCaption, QStringLiteral("Show Result"));
    sequence.pressRoll();
    QCOMPARE(sequence.view().front, Panel::Result);
    QCOMPARE(sequence.view().reading, *FindReading(QStringLiteral("1010")));
    QCOMPARE(random.draws, 4);
}

void TestRollSequence::captionTableOverTwoSequences()
{
    ScriptedRandom random;
    for (int die : {2, 2, 2, 2, 1, 2, 2, 2})
        random.values.append(drawFor(die));
    RollSequence sequence(random);

    struct Expected
    {
        const char *count;
        const char *die;
        const char *button;
        Panel front;
        int rollCount;
        int rollNumber;
    };
    auto check = [&](const Expected &e, const char *where) {
        const RollView &view = sequence.view();
        QVERIFY2(view.countCaption == QLatin1String(e.count), where);
        QVERIFY2(view.dieCaption == QLatin1String(e.die), where);
        QVERIFY2(view.rollButtonCaption == QLatin1String(e.button), where);
        QVERIFY2(view.front == e.front, where);
        QVERIFY2(sequence.RollCount() == e.rollCount, where);
        QVERIFY2(sequence.RollNumber() == e.rollNumber, where);
    };

    QCOMPARE(sequence.view().reading, *FindReading(QStringLiteral("0001")));
    sequence.load();
    check({"Roll Your Dice 0 Times", "R", "&Roll Dice", Panel::Roll, 0, 0}, "ready");
    sequence.pressRoll();
    check({"Roll Your Dice 1 Time", "2", "&Roll Dice", Panel::Roll, 1, 2}, "thrown once");
    sequence.pressRoll();
    check({"Roll Your Dice 2 Time", "2", "&Roll Dice", Panel::Roll, 2, 22}, "thrown twice");
    sequence.pressRoll();
    check({"Roll Your Dice 3 Time", "2", "&Roll Dice", Panel::Roll, 3, 222}, "thrown 3 times");
    sequence.pressRoll();
    check({"Roll Your Dice 4 Time", "2", "Show Result", Panel::Roll, 4, 2222}, "thrown 4 times");
    sequence.pressRoll();
    check({"Roll Your Dice 1 Times", "2", "Show Result", Panel::Result, 1, 0}, "reading shown");
    QCOMPARE(sequence.view().reading, *FindReading(QStringLiteral("0000")));
    sequence.pressBack();
    check({"Roll Your Dice 0 Time", "R", "Roll Dice", Panel::Roll, 0, 0}, "ready again");

    sequence.pressRoll();
    check({"Roll Your Dice 1 Time", "1", "Roll Dice", Panel::Roll, 1, 1}, "second: once");
    sequence.pressRoll();
    sequence.pressRoll();
    sequence.pressRoll();
    check({"Roll Your Dice 4 Time", "2", "Show Result", Panel::Roll, 4, 1222}, "second: 4 times");
    sequence.pressRoll();
    QCOMPARE(sequence.view().reading, *FindReading(QStringLiteral("1000")));
    sequence.pressBack();
    check({"Roll Your Dice 0 Time", "R", "Roll Dice", Panel::Roll, 0, 0}, "second: ready again");
}

void TestRollSequence::firstThrowHasNoLeadingZero()
{
    ScriptedRandom random;
    random.values = {drawFor(4)};
    RollSequence sequence(random);
    sequence.load();
    sequence.pressRoll();
    QCOMPARE(sequence.view().dieCaption, QStringLiteral("4"));
    QCOMPARE(sequence.RollNumber(), qint16(4));
    QCOMPARE(sequence.view().countCaption, QStringLiteral("Roll Your Dice 1 Time"));
}

void TestRollSequence::numbersInTheLocalesDigits_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << QStringLiteral("C");
    QTest::newRow("English") << QStringLiteral("en_US");
    QTest::newRow("Arabic of Egypt") << QStringLiteral("ar_EG");
    QTest::newRow("Persian") << QStringLiteral("fa_IR");
    QTest::newRow("Bengali") << QStringLiteral("bn_BD");
}

void TestRollSequence::numbersInTheLocalesDigits()
{
    QFETCH(QString, locale);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const QList<QTranslator *> translators =
        installTranslations(*QCoreApplication::instance(), QLocale());
    const auto restore = qScopeGuard([&translators, &before] {
        qDeleteAll(translators);
        QLocale::setDefault(before);
    });
    ScriptedRandom random;
    random.values = {drawFor(4)};
    RollSequence sequence(random);
    sequence.load();
    sequence.pressRoll();
    QCOMPARE(sequence.view().dieCaption, QLocale().toString(4));
    QVERIFY2(sequence.view().countCaption.contains(QLocale().toString(1)),
             qPrintable(sequence.view().countCaption));
}

void TestRollSequence::appendThrow_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("die");
    QTest::addColumn<int>("result");
    QTest::newRow("from zero") << 0 << 4 << 4;
    QTest::newRow("35 and 2") << 35 << 2 << 352;
    QTest::newRow("fourth digit") << 361 << 4 << 3614;
    QTest::newRow("fifth digit fits") << 3276 << 6 << 32766;
    QTest::newRow("fifth digit would overflow") << 6666 << 6 << 6666;
    QTest::newRow("just past the range") << 3276 << 8 << 2768;
    QTest::newRow("sixth digit") << 32766 << 1 << 27661;
}

void TestRollSequence::appendThrow()
{
    QFETCH(int, number);
    QFETCH(int, die);
    QTEST(int(RollSequence::appendThrow(qint16(number), qint16(die))), "result");
}

void TestRollSequence::offCyclePressesStaySafe()
{
    // Presses in every order: the number stays within 16 bits and always ends in the most
    // recent throw; the count never leaves 0..4.
    ScriptedRandom random;
    RollSequence sequence(random);
    sequence.load();
    std::uint32_t state = 1;
    for (int step = 0; step < 20000; ++step) {
        state = state * 1664525u + 1013904223u;
        random.values = {UniformRandom::fromBits(state >> 8)};
        if ((state >> 29) == 0) {
            sequence.pressBack();
            QCOMPARE(sequence.RollCount(), qint16(0));
        } else {
            const qint16 before = sequence.RollCount();
            sequence.pressRoll();
            if (before != 4)
                QCOMPARE(sequence.RollNumber() % 10, int(sequence.view().dieCaption.toInt()));
        }
        QVERIFY(sequence.RollCount() >= 0 && sequence.RollCount() <= 4);
        QVERIFY(sequence.RollNumber() >= 0);
    }
    // A throw after a reading starts from a count of 1 and a number of 0: the reading after three
    // throws matches nothing and keeps the last one.
    RollSequence offCycle(random);
    random.values = {drawFor(2), drawFor(2), drawFor(2), drawFor(2)};
    offCycle.load();
    for (int press = 0; press < 5; ++press)
        offCycle.pressRoll();
    const QString reading = offCycle.view().reading;
    random.values = {drawFor(1), drawFor(1), drawFor(1)};
    for (int press = 0; press < 4; ++press)
        offCycle.pressRoll();
    QCOMPARE(offCycle.view().reading, reading);
}

QTEST_GUILESS_MAIN(TestRollSequence)
#include "tst_rollsequence.moc"

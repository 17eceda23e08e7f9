// SPDX-License-Identifier: MIT
#include "rollsequence.h"

#include "platform/randomsource.h"
#include "readingtable.h"
#include "rounding.h"

#include <QLocale>

#include <limits>

namespace {
// Which of the two captions a step writes depends on the step, not on the count: the window's
// load and a finished reading write the second, a throw and the back button the first.
// A translation gives each count its grammatical form (%n is the count, 0 to 4).
//: The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.
const char *const singular = QT_TRANSLATE_N_NOOP("RollSequence", "Roll Your Dice %n Time");
//: The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.
const char *const plural = QT_TRANSLATE_N_NOOP("RollSequence", "Roll Your Dice %n Times");
} // namespace

RollSequence::RollSequence(RandomSource &random) : m_random(random)
{
    m_view.dieCaption = unthrownDie();
    //: The roll button before the first back press; the & marks the access key.
    m_view.rollButtonCaption = tr("&Roll Dice");
    m_view.reading = FindReading(QStringLiteral("0001")).value_or(QString());
    m_view.front = RollView::Panel::Result;
}

QString RollSequence::unthrownDie()
{
    //: One large letter in the die's place before a throw; R as in Roll.
    return tr("R");
}

void RollSequence::setCountCaption(const char *caption)
{
    m_view.countCaption = tr(caption, nullptr, m_rollCount);
}

void RollSequence::load()
{
    m_rollNumber = 0;
    m_rollCount = 0;
    setCountCaption(plural);
    m_view.front = RollView::Panel::Roll;
}

void RollSequence::pressRoll()
{
    if (m_rollCount == 4) {
        ShowReading(m_rollNumber);
        m_view.front = RollView::Panel::Result;
        return;
    }
    const qint16 die = DrawDieValue();
    m_view.dieCaption = QLocale().toString(die); // in the locale's own digits
    m_rollNumber = appendThrow(m_rollNumber, die);
    //: The roll button after the fourth throw: its next press shows the reading.
    if (m_rollCount == 3)
        m_view.rollButtonCaption = tr("Show Result");
    ++m_rollCount;
    setCountCaption(singular);
}

void RollSequence::pressBack()
{
    m_rollCount = 0;
    setCountCaption(singular);
    m_view.dieCaption = unthrownDie();
    //: The roll button after a back press: the same words, without an access key.
    m_view.rollButtonCaption = tr("Roll Dice");
    m_view.front = RollView::Panel::Roll;
}

void RollSequence::ShowReading(qint16 number)
{
    const QString pattern = ParityPattern(number);
    m_rollNumber = 0;
    m_rollCount = 1;
    setCountCaption(plural);
    if (const auto reading = FindReading(pattern))
        m_view.reading = *reading;
}

qint16 RollSequence::DrawDieValue()
{
    const float r = m_random.next();
    return static_cast<qint16>(roundedScaledDraw(5, r));
}

qint16 RollSequence::appendThrow(qint16 number, qint16 die)
{
    // Same as appending the digit's text to the number's text and reading it back; a start
    // from 0 gives the die alone (0 and 4 give 4, not 04).
    long value = static_cast<long>(number) * 10 + die;
    long leftmostDigit = 1;
    while (leftmostDigit * 10 <= value)
        leftmostDigit *= 10;
    while (value > std::numeric_limits<qint16>::max()) {
        value %= leftmostDigit;
        leftmostDigit /= 10;
    }
    return static_cast<qint16>(value);
}

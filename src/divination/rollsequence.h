// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

class RandomSource;

// What the main window shows of a roll sequence.
struct RollView
{
    enum class Panel { Roll, Result };

    QString countCaption;      // lblLabel
    QString dieCaption;        // lblResult
    QString rollButtonCaption; // cmdRoll
    QString reading;           // lblDesc
    Panel front = Panel::Roll;
};

// The divination's state machine, free of widgets. Four presses of the roll button throw four
// dice whose values accumulate, as decimal digits, into RollNumber; the fifth press turns the
// number into a reading and brings the result panel to the front; the back button returns to
// the roll panel. The main window forwards its events here and shows view().
class RollSequence
{
    Q_DECLARE_TR_FUNCTIONS(RollSequence)

public:
    explicit RollSequence(RandomSource &random);

    // The window's load: a fresh sequence with the roll panel in front.
    void load();
    // A throw, or the reading after the fourth throw.
    void pressRoll();
    void pressBack();

    // Finishes a sequence with the given accumulated number.
    void ShowReading(qint16 number);
    // One throw: 1 to 6, with 1 and 6 half as likely as each of the others.
    qint16 DrawDieValue();

    qint16 RollCount() const { return m_rollCount; }
    qint16 RollNumber() const { return m_rollNumber; }
    const RollView &view() const { return m_view; }

    // The number after a throw of die appended to number as its last digit. Digits that would
    // carry the number past the 16-bit range are dropped from the left, so the number always
    // ends in the most recent throws.
    static qint16 appendThrow(qint16 number, qint16 die);

    // What the die label shows before the first throw of a sequence.
    static QString unthrownDie();

private:
    void setCountCaption(const char *caption);

    RandomSource &m_random;
    qint16 m_rollCount = 0;
    qint16 m_rollNumber = 0;
    RollView m_view;
};

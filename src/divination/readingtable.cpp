// SPDX-License-Identifier: MIT
#include "readingtable.h"

#include <QCoreApplication>

#include <cstdlib>

const std::array<Reading, 16> readingTable = {{
    {"0000",
     QT_TRANSLATE_NOOP(
         "ReadingTable",
         "You are full of female energy. You have the inclination to take care of people. This "
         "is the right time to connect to your inner self.")},
    {"0001",
     QT_TRANSLATE_NOOP(
         "ReadingTable",
         "You are full of male energy. You are full of power and have the urge to accomplish "
         "your goals. This is the right time to put your dreams into action.")},
    {"0010", QT_TRANSLATE_NOOP(
                 "ReadingTable",
                 "Your visualization of the project is very good. Put it into place and be sure of "
                 "coming out successful.")},
    {"0011",
     QT_TRANSLATE_NOOP(
         "ReadingTable",
         "There may be some issue that is stopping you from proceeding ahead. Think about it "
         "and balance it for success.")},
    {"0100", QT_TRANSLATE_NOOP("ReadingTable", "This is the time to combine all your efforts. Be "
                                               "patient and your work will bear fruits.")},
    {"0101", QT_TRANSLATE_NOOP("ReadingTable",
                               "Develop your intuition along with practical side of your mind.")},
    {"0110", QT_TRANSLATE_NOOP(
                 "ReadingTable",
                 "Your intuitions are very strong. All your decisions may not be practical. Think "
                 "twice before making important decisions.")},
    {"0111", QT_TRANSLATE_NOOP(
                 "ReadingTable",
                 "You are well balanced at the moment. Think of all the benefits before proceeding "
                 "ahead with the tasks in hand.")},
    {"1000",
     QT_TRANSLATE_NOOP(
         "ReadingTable",
         "Think of all the forces that are dominating you. See how these forces have helped "
         "you and then make decisions accordingly.")},
    {"1001",
     QT_TRANSLATE_NOOP(
         "ReadingTable",
         "You can see your vision within sight of being accomplished. But all is not right. "
         "You will need to be better balanced.")},
    {"1010", QT_TRANSLATE_NOOP(
                 "ReadingTable",
                 "You have a strong base but you will have to broaden your ideas and views.")},
    {"1011", QT_TRANSLATE_NOOP(
                 "ReadingTable",
                 "Develop your intuitive powers. Remove all your fears and inhibitions. As you go "
                 "ahead you will get all the help that you need.")},
    {"1100",
     QT_TRANSLATE_NOOP(
         "ReadingTable",
         "Try to manage a right combination of mind and spirit to get your work completed.")},
    {"1101",
     QT_TRANSLATE_NOOP("ReadingTable", "Your plan may crumble if you are not too careful.")},
    {"1110",
     QT_TRANSLATE_NOOP(
         "ReadingTable",
         "You have a strong foundation and an open mind. Throw away all your fears and reach "
         "for the stars.")},
    {"1111", QT_TRANSLATE_NOOP(
                 "ReadingTable",
                 "You have buried yourself under worries and tensions. You have lost sight of your "
                 "goal. Come out from these worries to excel in life.")},
}};

QString ParityPattern(qint16 number)
{
    // Widen first: the magnitude of -32768 does not fit in 16 bits.
    const QString digits = QString::number(std::abs(static_cast<int>(number)));
    QString pattern;
    pattern.reserve(digits.size());
    for (const QChar digit : digits)
        pattern.append((digit.digitValue() % 2) != 0 ? QLatin1Char('1') : QLatin1Char('0'));
    return pattern;
}

std::optional<QString> FindReading(const QString &pattern)
{
    for (const Reading &entry : readingTable) {
        if (pattern == QLatin1String(entry.pattern))
            return QCoreApplication::translate("ReadingTable", entry.text);
    }
    return std::nullopt;
}

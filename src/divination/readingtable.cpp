// SPDX-License-Identifier: MIT
#include "readingtable.h"

#include <cstdlib>

const std::array<Reading, 16> readingTable = {{
    {"0000", "You are full of female energy. You have the inclination to take care of people. This "
             "is the right time to connect to your inner self."},
    {"0001", "You are full of male energy. You are full of power and have the urge to accomplish "
             "your goals. This is the right time to put your dreams into action."},
    {"0010", "Your visualization of the project is very good. Put it into place and be sure of "
             "coming out successful."},
    {"0011", "There may be some issue that is stopping you from proceeding ahead. Think about it "
             "and balance it for success."},
    {"0100",
     "This is the time to combine all your efforts. Be patient and your work will bear fruits."},
    {"0101", "Develop your intuition along with practical side of your mind."},
    {"0110", "Your intuitions are very strong. All your decisions may not be practical. Think "
             "twice before making important decisions."},
    {"0111", "You are well balanced at the moment. Think of all the benefits before proceeding "
             "ahead with the tasks in hand."},
    {"1000", "Think of all the forces that are dominating you. See how these forces have helped "
             "you and then make decisions accordingly."},
    {"1001", "You can see your vision within sight of being accomplished. But all is not right. "
             "You will need to be better balanced."},
    {"1010", "You have a strong base but you will have to broaden your ideas and views."},
    {"1011", "Develop your intuitive powers. Remove all your fears and inhibitions. As you go "
             "ahead you will get all the help that you need."},
    {"1100", "Try to manage a right combination of mind and spirit to get your work completed."},
    {"1101", "Your plan may crumble if you are not too careful."},
    {"1110", "You have a strong foundation and an open mind. Throw away all your fears and reach "
             "for the stars."},
    {"1111", "You have buried yourself under worries and tensions. You have lost sight of your "
             "goal. Come out from these worries to excel in life."},
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
            return QString::fromLatin1(entry.text);
    }
    return std::nullopt;
}

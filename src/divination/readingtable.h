// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <optional>

// The sixteen readings. The four throws of a sequence form one number whose digits, read from
// the left, give a parity pattern ("1" odd, "0" even); the pattern picks the reading.

struct Reading
{
    const char *pattern;
    const char *text;
};

extern const std::array<Reading, 16> readingTable;

// One character per decimal digit of the number, the leftmost digit first. The sign is ignored.
QString ParityPattern(qint16 number);

// The reading whose pattern equals the given one exactly; nothing for any other text.
std::optional<QString> FindReading(const QString &pattern);

// SPDX-License-Identifier: MIT
// Any 16-bit number through the parity pattern and the reading lookup.
#include "divination/readingtable.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    std::int16_t number;
    std::memcpy(&number, data, sizeof number);

    const QString pattern = ParityPattern(number);
    const QString digits = QString::number(std::abs(static_cast<int>(number)));
    if (pattern.size() != digits.size())
        std::abort();
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const bool odd = digits[i].digitValue() % 2 != 0;
        if (pattern[i] != (odd ? QLatin1Char('1') : QLatin1Char('0')))
            std::abort();
    }
    const std::optional<QString> reading = FindReading(pattern);
    // Exactly the four-digit numbers have a reading, and it is the table entry whose index is
    // the pattern read in base 2.
    if (reading.has_value() != (pattern.size() == 4))
        std::abort();
    if (reading && *reading != QLatin1String(readingTable[pattern.toInt(nullptr, 2)].text))
        std::abort();
    return 0;
}

// SPDX-License-Identifier: MIT
// Times the refer-a-friend submission, from the five field texts through the browser launcher's
// check of the address, with every field holding the same amount of mixed ASCII and non-ASCII
// text, and checks that the time grows in proportion to the input.
//   cubomancer_bench_referral [--quick]

#include "processfigures.h"
#include "testenvironment.h"

#include "farewell/modtellafriend.h"
#include "platform/browser.h"
#include "platform/messageboxes.h"
#include "weblinks/weblinks.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using ProcessFigures::printRow;

// Checks each address as the real launcher does before it would start the browser.
class CheckingBrowser final : public Browser
{
public:
    void open(const QString &address) override
    {
        const auto before = std::chrono::steady_clock::now();
        const bool openable = SystemBrowser::isOpenable(address);
        checkMs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before)
                .count());
        ++opened;
        accepted += openable ? 1 : 0;
        lastLength = address.size();
    }
    int opened = 0;
    int accepted = 0;
    qsizetype lastLength = 0;
    std::vector<double> checkMs;
};

class CountingMessageBoxes final : public MessageBoxes
{
public:
    MessageAnswer show(const QString &text, MessageIcon, MessageButtons, QWidget *) override
    {
        ++shown;
        lastText = text;
        return MessageAnswer::Ok;
    }
    int shown = 0;
    QString lastText;
};

int utf8Length(char32_t codePoint)
{
    return codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
}

// Exactly bytes bytes in UTF-8: prefix, then a mix of ASCII, Latin, CJK, astral characters,
// spaces, line breaks and the characters that mean something in a query.
QString mixedText(const QString &prefix, int bytes)
{
    static const QString pattern =
        QStringLiteral("Grüße aus Köln & «Ñandú» = ☯ 易经 🎲 a+b #x %20 ?q=1\r\n");
    const QList<uint> points = pattern.toUcs4();
    QString text = prefix;
    int size = int(prefix.toUtf8().size());
    text.reserve(bytes);
    for (int i = 0;; ++i) {
        const char32_t point = points.at(i % points.size());
        if (size + utf8Length(point) > bytes)
            break;
        text.append(QString::fromUcs4(&point, 1));
        size += utf8Length(point);
    }
    text.append(QString(bytes - size, u'x'));
    return text;
}

ReferralEntries entriesOf(int bytes)
{
    return {mixedText(QStringLiteral("Ann "), bytes),
            mixedText(QStringLiteral("ann@example.org "), bytes),
            mixedText(QStringLiteral("Hello "), bytes), mixedText(QStringLiteral("Bob "), bytes),
            mixedText(QStringLiteral("bob@example.net "), bytes)};
}

// Median of single runs, repeated until minimumMs have passed (at least minimumRuns times).
double medianMs(const std::function<void()> &work, double minimumMs, int minimumRuns)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> times;
    const Clock::time_point start = Clock::now();
    while (int(times.size()) < minimumRuns ||
           std::chrono::duration<double, std::milli>(Clock::now() - start).count() < minimumMs) {
        const Clock::time_point before = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QString sizeName(int bytes)
{
    return bytes >= 1 << 20 ? QStringLiteral("%1 MiB").arg(bytes >> 20)
                            : QStringLiteral("%1 KiB").arg(bytes >> 10);
}

} // namespace

int main(int argc, char *argv[])
{
    const TestEnvironment home;
    QCoreApplication application(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({QStringLiteral("quick"), QStringLiteral("Smoke run: judge no budget.")});
    options.process(application);
    const bool quick = options.isSet(QStringLiteral("quick"));
    const double minimumMs = quick ? 5 : 300;
    const int minimumRuns = quick ? 1 : 5;

    CheckingBrowser browser;
    WebLinks links(browser);
    CountingMessageBoxes messages;
    modTellAFriend referral(links, messages);

    const std::vector<int> sizes{1 << 10, 64 << 10, 1 << 20};
    std::vector<double> times;
    for (const int bytes : sizes) {
        const ReferralEntries entries = entriesOf(bytes);
        browser.opened = 0;
        browser.accepted = 0;
        browser.checkMs.clear();
        const double ms =
            medianMs([&] { referral.submitEntries(entries); }, minimumMs, minimumRuns);
        // A yardstick for this machine at this moment: one UTF-8 encoding of the same five texts.
        const double yardstickMs = medianMs(
            [&] {
                for (const QString *text : {&entries.name, &entries.email, &entries.message,
                                            &entries.friendName, &entries.friendEmail})
                    (void)text->toUtf8();
            },
            minimumMs, minimumRuns);
        if (messages.shown != 0) {
            QTextStream(stderr) << "cubomancer_bench_referral: the submission was refused: "
                                << messages.lastText << '\n';
            return 1;
        }
        if (browser.opened == 0) {
            QTextStream(stderr) << "cubomancer_bench_referral: the " << sizeName(bytes)
                                << " address never reached the launcher\n";
            return 1;
        }
        times.push_back(ms);
        std::sort(browser.checkMs.begin(), browser.checkMs.end());
        const double checkMs = browser.checkMs[browser.checkMs.size() / 2];
        printRow(QStringLiteral("Referral address built and checked, %1 in each field")
                     .arg(sizeName(bytes)),
                 QStringLiteral("%1 ms, of which %2 ms the launcher's check (%3 x one UTF-8 "
                                "encoding of the input; address %4 characters, %5 by the "
                                "launcher)")
                     .arg(ms, 0, 'f', 3)
                     .arg(checkMs, 0, 'f', 3)
                     .arg(ms / yardstickMs, 0, 'f', 1)
                     .arg(browser.lastLength)
                     .arg(browser.accepted == browser.opened ? QStringLiteral("accepted")
                                                             : QStringLiteral("refused")),
                 QStringLiteral("-"), QStringLiteral("-"));
    }
    // Judged as a ratio alone, which a shared machine keeps where it cannot keep milliseconds:
    // linear growth, the cost per byte at 1 MiB near that at 64 KiB (a quadratic step would
    // make it sixteen times larger).
    const double perByteRatio = (times[2] / sizes[2]) / (times[1] / sizes[1]);
    printRow(QStringLiteral("Referral cost per byte, 1 MiB / 64 KiB"),
             QStringLiteral("%1").arg(perByteRatio, 0, 'f', 2), QStringLiteral("<= 2 (linear)"),
             quick ? QStringLiteral("not judged (quick)")
                   : ProcessFigures::verdict(perByteRatio <= 2));
    return 0;
}

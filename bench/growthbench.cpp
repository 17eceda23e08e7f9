// SPDX-License-Identifier: MIT
// Drives the real main window through full roll cycles (four throws, the reading, back) by
// clicking its buttons, then opens and closes the About box from its Help menu, and reports
// how far memory moved after the first thousand of each.
//   cubomancer_bench_growth [--cycles N] [--openings N] [--warm N] [--quick]

#include "processfigures.h"
#include "testenvironment.h"

#include "divination/frmmain.h"
#include "platform/browser.h"
#include "platform/randomsource.h"
#include "weblinks/weblinks.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QEvent>
#include <QTextStream>

#include <chrono>
#include <cstdlib>

namespace {

using ProcessFigures::printRow;

class NoBrowser final : public Browser
{
public:
    void open(const QString &) override {}
};

// Presses OK on every About box as soon as it is on screen, as a user would.
class AboutCloser final : public QObject
{
public:
    using QObject::QObject;
    int shown = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->inherits("frmAbout")) {
            ++shown;
            auto *ok = watched->findChild<QAbstractButton *>(QStringLiteral("cmdOK"));
            if (ok != nullptr)
                QMetaObject::invokeMethod(ok, &QAbstractButton::click, Qt::QueuedConnection);
        }
        return false;
    }
};

struct Memory
{
    std::int64_t residentKib = 0;
    std::int64_t heapBytes = 0;

    static Memory now()
    {
        return {ProcessFigures::statusKib("VmRSS").value_or(0), ProcessFigures::heapInUseBytes()};
    }
};

[[noreturn]] void fail(const QString &why)
{
    QTextStream(stderr) << "cubomancer_bench_growth: " << why << '\n';
    std::exit(1);
}

template <class Child> Child *child(QObject &parent, const char *name)
{
    auto *found = parent.findChild<Child *>(QLatin1String(name));
    if (found == nullptr)
        fail(QStringLiteral("the main window has no %1").arg(QLatin1String(name)));
    return found;
}

void report(const QString &what, const Memory &warm, const Memory &end, double perItemUs,
            const QString &unit, bool quick)
{
    const std::int64_t residentGrowth = end.residentKib - warm.residentKib;
    const double heapGrowthKib = double(end.heapBytes - warm.heapBytes) / 1024.0;
    const bool within = residentGrowth <= 64;
    printRow(what,
             QStringLiteral("%1%2 KiB resident (heap in use %3%4 KiB); %5 us per %6")
                 .arg(residentGrowth >= 0 ? QStringLiteral("+") : QString())
                 .arg(residentGrowth)
                 .arg(heapGrowthKib >= 0 ? QStringLiteral("+") : QString())
                 .arg(heapGrowthKib, 0, 'f', 1)
                 .arg(perItemUs, 0, 'f', 1)
                 .arg(unit),
             QStringLiteral("<= 64 KiB"),
             quick ? QStringLiteral("not judged (quick)") : ProcessFigures::verdict(within));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const TestEnvironment home;
    QApplication application(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({QStringLiteral("cycles"), QStringLiteral("Roll cycles."),
                       QStringLiteral("n"), QStringLiteral("100000")});
    options.addOption({QStringLiteral("openings"), QStringLiteral("About box openings."),
                       QStringLiteral("n"), QStringLiteral("10000")});
    options.addOption({QStringLiteral("warm"),
                       QStringLiteral("Cycles and openings before the "
                                      "reference measurement."),
                       QStringLiteral("n"), QStringLiteral("1000")});
    options.addOption({QStringLiteral("quick"), QStringLiteral("Smoke run: judge no budget.")});
    options.process(application);
    const bool quick = options.isSet(QStringLiteral("quick"));
    const int warm = std::max(1, options.value(QStringLiteral("warm")).toInt());
    const int cycles = std::max(warm + 1, options.value(QStringLiteral("cycles")).toInt());
    const int openings = std::max(warm + 1, options.value(QStringLiteral("openings")).toInt());

    NoBrowser browser;
    WebLinks links(browser);
    UniformRandom random;
    random.reseed(clockSeed());
    frmMain window(random, links);
    window.show();
    QCoreApplication::processEvents();

    auto *roll = child<QAbstractButton>(window, "cmdRoll");
    auto *back = child<QAbstractButton>(window, "cmdBack");
    auto *about = child<QAction>(window, "mnuAbout");

    using Clock = std::chrono::steady_clock;
    Memory warmMemory;
    Clock::time_point warmAt;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (int press = 0; press < 4; ++press)
            roll->click();
        if (window.RollCount() != 4)
            fail(QStringLiteral("four presses gave a roll count of %1").arg(window.RollCount()));
        roll->click();
        if (!back->isVisibleTo(&window))
            fail(QStringLiteral("the fifth press did not bring the result to the front"));
        back->click();
        if (window.RollCount() != 0 || !roll->isVisibleTo(&window))
            fail(QStringLiteral("Back did not start a new sequence"));
        // Let the window repaint now and then, as it would between a user's clicks.
        if (cycle % 100 == 0)
            QCoreApplication::processEvents();
        if (cycle == warm) {
            QCoreApplication::processEvents();
            warmMemory = Memory::now();
            warmAt = Clock::now();
        }
    }
    QCoreApplication::processEvents();
    const Memory rollEnd = Memory::now();
    const double perCycleUs =
        std::chrono::duration<double, std::micro>(Clock::now() - warmAt).count() / (cycles - warm);
    report(QStringLiteral("Roll cycles through the main window: memory after %1 minus after %2")
               .arg(cycles)
               .arg(warm),
           warmMemory, rollEnd, perCycleUs, QStringLiteral("cycle"), quick);

    AboutCloser closer;
    application.installEventFilter(&closer);
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
    for (int opening = 1; opening <= openings; ++opening) {
        about->trigger();
        // The box deletes itself later; "later" is now, before the next opening.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (opening == warm) {
            QCoreApplication::processEvents();
            warmMemory = Memory::now();
            warmAt = Clock::now();
        }
    }
    QCoreApplication::processEvents();
    const Memory aboutEnd = Memory::now();
    const double perOpeningUs =
        std::chrono::duration<double, std::micro>(Clock::now() - warmAt).count() /
        (openings - warm);
    if (closer.shown != openings)
        fail(QStringLiteral("%1 About boxes appeared for %2 openings")
                 .arg(closer.shown)
                 .arg(openings));
    if (QApplication::topLevelWidgets().size() != windowsBefore ||
        !window.findChildren<QDialog *>().isEmpty())
        fail(QStringLiteral("About boxes are left over after closing"));
    report(QStringLiteral("About box opened and closed: memory after %1 minus after %2")
               .arg(openings)
               .arg(warm),
           warmMemory, aboutEnd, perOpeningUs, QStringLiteral("opening"), quick);
    return 0;
}

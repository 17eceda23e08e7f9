// SPDX-License-Identifier: MIT
// Renders each window of the program offscreen to a PNG file, for the README.
//   cubomancer_screenshots <output folder>
// To add a window, add one entry to the shots table.

#include "app/shutdown.h"
#include "divination/frmabout.h"
#include "divination/frmmain.h"
#include "divination/mainwindowclosepath.h"
#include "farewell/frmfarewell.h"
#include "platform/browser.h"
#include "platform/clock.h"
#include "platform/instanceguard.h"
#include "platform/messageboxes.h"
#include "platform/openwindows.h"
#include "platform/platform.h"
#include "platform/processend.h"
#include "platform/randomsource.h"
#include "platform/settingsstore.h"
#include "platform/topmostplacement.h"
#include "weblinks/weblinks.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QPixmap>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

class NoBrowser final : public Browser
{
public:
    void open(const QString &) override {}
};

// The same draws on every run, so the pictures only change when the windows do.
class SteadyRandom final : public RandomSource
{
public:
    void reseed(std::uint64_t) override {}
    float next() override { return 0.5f; }
};

class NoClosePath final : public MainWindowClosePath
{
public:
    void showFarewellScreen() override {}
    void hideStartupWindow() override {}
};

class NoMessages final : public MessageBoxes
{
public:
    MessageAnswer show(const QString &, MessageIcon, MessageButtons, QWidget *) override
    {
        return MessageAnswer::Ok;
    }
};

class NoSettings final : public SettingsStore
{
public:
    std::optional<QString> read(const QString &, const QString &) override { return QString(); }
    bool write(const QString &, const QString &, const QString &) override { return true; }
};

class SteadyClock final : public Clock
{
public:
    QDate today() const override { return QDate(2026, 12, 7); }
    std::uint64_t seed() const override { return 0; }
};

class NoOtherCopy final : public InstanceGuard
{
public:
    bool anotherCopyRunning() override { return false; }
};

// Offscreen there is nothing to stay above.
class PlainPlacement final : public TopmostPlacement
{
public:
    void showTopmost(QWidget *window) override { window->show(); }
};

class NoProcessEnd final : public ProcessEnd
{
public:
    void endProcess(int) override {}
};

// What a window needs to be built outside the running program.
struct Stage
{
    OpenWindows openWindows;
    NoBrowser browser;
    WebLinks links{browser};
    SteadyRandom random;
    NoClosePath closePath;
    NoMessages messages;
    NoSettings settings;
    SteadyClock clock;
    NoOtherCopy instance;
    PlainPlacement topmost;
    NoProcessEnd processEnd;
    Shutdown shutdown{openWindows, processEnd};

    Platform platform()
    {
        return Platform{browser, messages, settings, clock, random, instance, topmost, processEnd};
    }
};

struct Shot
{
    const char *fileName;
    std::function<QWidget *(Stage &)> build;
    // Under a dark desktop theme: light text on dark ground wherever the window leaves the
    // colours to the desktop.
    bool dark = false;
};

const Shot shots[] = {
    {"main.png",
     [](Stage &stage) -> QWidget * {
         return new frmMain(stage.openWindows, stage.random, stage.links, stage.closePath);
     }},
    {"about.png",
     [](Stage &stage) -> QWidget * { return new frmAbout(stage.openWindows, stage.links); }},
    {"farewell.png",
     [](Stage &stage) -> QWidget * {
         return new frmFarewell(stage.openWindows, stage.platform(), stage.links, stage.shutdown);
     }},
    {"farewell-dark.png",
     [](Stage &stage) -> QWidget * {
         return new frmFarewell(stage.openWindows, stage.platform(), stage.links, stage.shutdown);
     },
     true},
};

bool render(QWidget *window, const QString &path)
{
    window->show();
    QCoreApplication::processEvents();
    return window->grab().save(path, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: cubomancer_screenshots <output folder>\n";
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "cannot create " << folder.path() << '\n';
        return 1;
    }

    const QPalette desktop = QApplication::palette();
    int failures = 0;
    for (const Shot &shot : shots) {
        QApplication::setPalette(shot.dark ? QPalette(QColor(49, 54, 59)) : desktop);
        Stage stage;
        QWidget *window = shot.build(stage);
        const QString path = folder.filePath(QLatin1String(shot.fileName));
        if (!render(window, path)) {
            err << "cannot write " << path << '\n';
            ++failures;
        }
        delete window;
    }
    return failures == 0 ? 0 : 1;
}

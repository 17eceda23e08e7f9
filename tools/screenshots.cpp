// SPDX-License-Identifier: MIT
// Renders each window of the program offscreen to a PNG file, for the README.
//   cubomancer_screenshots <output folder>
// To add a window, add one entry to the shots table.

#include "app/shutdown.h"
#include "app/translations.h"
#include "divination/frmabout.h"
#include "divination/frmmain.h"
#include "farewell/frmfarewell.h"
#include "platform/browser.h"
#include "platform/messageboxes.h"
#include "platform/randomsource.h"
#include "weblinks/weblinks.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QPixmap>
#include <QTextStream>
#include <QTranslator>

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

class NoMessages final : public MessageBoxes
{
public:
    MessageAnswer show(const QString &, MessageIcon, MessageButtons, QWidget *) override
    {
        return MessageAnswer::Ok;
    }
};

// What a window needs to be built outside the running program.
struct Stage
{
    NoBrowser browser;
    WebLinks links{browser};
    SteadyRandom random;
    NoMessages messages;
};

struct Shot
{
    const char *fileName;
    std::function<QWidget *(Stage &)> build;
    // Under a dark desktop theme: light text on dark ground wherever the window leaves the
    // colours to the desktop.
    bool dark = false;
    // The desktop's language, where it is not English.
    const char *locale = "C";
};

const Shot shots[] = {
    {"main.png", [](Stage &stage) -> QWidget * { return new frmMain(stage.random, stage.links); }},
    {"about.png", [](Stage &stage) -> QWidget * { return new frmAbout(stage.links); }},
    {"farewell.png",
     [](Stage &stage) -> QWidget * {
         return new frmFarewell(stage.messages, stage.random, stage.links);
     }},
    {"farewell-dark.png",
     [](Stage &stage) -> QWidget * {
         return new frmFarewell(stage.messages, stage.random, stage.links);
     },
     true},
    {"main-de.png",
     [](Stage &stage) -> QWidget * { return new frmMain(stage.random, stage.links); }, false,
     "de_DE"},
    {"farewell-fr.png",
     [](Stage &stage) -> QWidget * {
         return new frmFarewell(stage.messages, stage.random, stage.links);
     },
     false, "fr_FR"},
    {"main-ja.png",
     [](Stage &stage) -> QWidget * { return new frmMain(stage.random, stage.links); }, false,
     "ja_JP"},
    {"farewell-ar.png",
     [](Stage &stage) -> QWidget * {
         return new frmFarewell(stage.messages, stage.random, stage.links);
     },
     false, "ar_EG"},
    {"main-ru.png",
     [](Stage &stage) -> QWidget * { return new frmMain(stage.random, stage.links); }, false,
     "ru_RU"},
    {"main-th.png",
     [](Stage &stage) -> QWidget * { return new frmMain(stage.random, stage.links); }, false,
     "th_TH"},
    {"farewell-hi.png",
     [](Stage &stage) -> QWidget * {
         return new frmFarewell(stage.messages, stage.random, stage.links);
     },
     false, "hi_IN"},
};

// The first three pictures (main window, About box, farewell screen) again in one language, for
// a translator to look at: <name>-<locale>.png.
QList<Shot> shotsIn(const char *locale)
{
    QList<Shot> chosen;
    for (int i = 0; i < 3; ++i) {
        Shot shot = shots[i];
        shot.locale = locale;
        chosen << shot;
    }
    return chosen;
}

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
    if (arguments.size() != 2 && arguments.size() != 3) {
        err << "usage: cubomancer_screenshots <output folder> [<locale>]\n";
        return 2;
    }
    const QByteArray onlyLocale = arguments.value(2).toLatin1();
    const QList<Shot> chosen = onlyLocale.isEmpty()
                                   ? QList<Shot>(std::begin(shots), std::end(shots))
                                   : shotsIn(onlyLocale.constData());
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "cannot create " << folder.path() << '\n';
        return 1;
    }

    const QPalette desktop = QApplication::palette();
    int failures = 0;
    for (const Shot &shot : chosen) {
        QApplication::setPalette(shot.dark ? QPalette(QColor(49, 54, 59)) : desktop);
        const QList<QTranslator *> translators =
            installTranslations(application, QLocale(QLatin1String(shot.locale)));
        Stage stage;
        QWidget *window = shot.build(stage);
        QString name = QLatin1String(shot.fileName);
        if (!onlyLocale.isEmpty())
            name.replace(QLatin1String(".png"),
                         QLatin1Char('-') + QLatin1String(onlyLocale) + QLatin1String(".png"));
        const QString path = folder.filePath(name);
        if (!render(window, path)) {
            err << "cannot write " << path << '\n';
            ++failures;
        }
        delete window;
        qDeleteAll(translators);
    }
    return failures == 0 ? 0 : 1;
}

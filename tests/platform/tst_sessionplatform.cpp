// SPDX-License-Identifier: MIT
#include "platform/sessionplatform.h"

#include <QTest>

#include <vector>

namespace {
// Every display of the tests answers but these two.
const QByteArray staleX(":79"), staleWayland("wayland-9");
const DisplayProbe answers = [](const QByteArray &, const QByteArray &display) {
    return display != staleX && display != staleWayland;
};
const QByteArray noDisplay("(no display: what is missing is said)");
} // namespace

class TestSessionPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choice_data();
    void choice();
    void commandLineGainsTheChoice();
};

void TestSessionPlatform::choice_data()
{
    QTest::addColumn<QByteArray>("qtPlatform");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray xcb("xcb");
    const QByteArray wayland("wayland");
    const QByteArray qtDecides;
    QTest::newRow("X11 session") << QByteArray() << QByteArray(":0") << QByteArray()
                                 << QList<QByteArray>() << xcb;
    QTest::newRow("Wayland session with XWayland")
        << QByteArray() << QByteArray(":1") << QByteArray("wayland-0") << QList<QByteArray>()
        << xcb;
    QTest::newRow("Wayland session without X")
        << QByteArray() << QByteArray() << QByteArray("wayland-0") << QList<QByteArray>()
        << wayland;
    QTest::newRow("no display at all")
        << QByteArray() << QByteArray() << QByteArray() << QList<QByteArray>() << noDisplay;
    QTest::newRow("QT_QPA_PLATFORM wins")
        << QByteArray("wayland") << QByteArray(":1") << QByteArray("wayland-0")
        << QList<QByteArray>() << qtDecides;
    QTest::newRow("empty QT_QPA_PLATFORM is no choice")
        << QByteArray("") << QByteArray(":1") << QByteArray("wayland-0") << QList<QByteArray>()
        << xcb;
    QTest::newRow("-platform wins") << QByteArray() << QByteArray(":1") << QByteArray("wayland-0")
                                    << QList<QByteArray>{"-platform", "wayland"} << qtDecides;
    QTest::newRow("--platform wins") << QByteArray() << QByteArray() << QByteArray("wayland-0")
                                     << QList<QByteArray>{"--platform", "offscreen"} << qtDecides;
    QTest::newRow("-platform without a name is no choice")
        << QByteArray() << QByteArray(":1") << QByteArray() << QList<QByteArray>{"-platform"}
        << xcb;
    QTest::newRow("stale X display, Wayland answers")
        << QByteArray() << staleX << QByteArray("wayland-0") << QList<QByteArray>() << wayland;
    QTest::newRow("stale X display alone")
        << QByteArray() << staleX << QByteArray() << QList<QByteArray>() << noDisplay;
    QTest::newRow("xcb chosen, its display stale")
        << xcb << staleX << QByteArray("wayland-0") << QList<QByteArray>() << noDisplay;
}

void TestSessionPlatform::choice()
{
    QFETCH(QByteArray, qtPlatform);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QList<QByteArray>, arguments);

    const PlatformChoice choice =
        chooseQtPlatform({qtPlatform, display, waylandDisplay}, arguments, answers);
    QTEST(choice.missing.isEmpty() ? choice.platform : noDisplay, "expected");
}

// The choice goes onto the command line, where Qt takes it, and every argument given stays.
void TestSessionPlatform::commandLineGainsTheChoice()
{
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN) || defined(Q_OS_ANDROID)
    QSKIP("the platform is chosen on X11 and Wayland systems only");
#endif
    const QByteArray savedPlatform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray savedDisplay = qgetenv("DISPLAY");
    qunsetenv("QT_QPA_PLATFORM");
    qputenv("DISPLAY", ":7");
    QByteArray program("cubomancer"), argument("-style=fusion");
    std::vector<char *> given{program.data(), argument.data(), nullptr};
    int argc = 2;
    char **argv = given.data();

    chooseSessionPlatform(argc, argv, answers);

    qputenv("QT_QPA_PLATFORM", savedPlatform);
    qputenv("DISPLAY", savedDisplay);
    QList<QByteArray> result;
    for (int i = 0; i < argc; ++i)
        result.append(argv[i]);
    const QList<QByteArray> expected{program, "-platform",
                                     chooseQtPlatform({{}, ":7", {}}, {argument}, answers).platform,
                                     argument};
    QCOMPARE(result, expected);
    QCOMPARE(argv[argc], nullptr);
}

QTEST_APPLESS_MAIN(TestSessionPlatform)
#include "tst_sessionplatform.moc"

// SPDX-License-Identifier: MIT
#include "platform/session.h"
#include "testenvironment.h"

#include <QTest>

#include <optional>
#include <vector>

Q_DECLARE_METATYPE(std::optional<QByteArrayList>)

// The display servers offered to Qt: from the session's variables unless the user chose.
class TestSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void displayChoice_data();
    void displayChoice();
};

void TestSession::displayChoice_data()
{
    QTest::addColumn<QByteArray>("qtPlatform");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArrayList>("arguments");
    // After the program's name; nothing at all when no display server is named.
    QTest::addColumn<std::optional<QByteArrayList>>("expected");

    const QByteArray unset, x(":1"), wayland("wayland-0");
    const QByteArrayList none;
    using Expected = std::optional<QByteArrayList>;
    const QByteArrayList xFirst{"-platform", "xcb;wayland"};
    QTest::newRow("X11 session") << unset << x << unset << none << Expected({"-platform", "xcb"});
    QTest::newRow("Wayland session with XWayland: X first, Wayland should X not answer")
        << unset << x << wayland << none << Expected(xFirst);
    QTest::newRow("Wayland session without X")
        << unset << unset << wayland << none << Expected({"-platform", "wayland"});
    QTest::newRow("empty variables name nothing") << QByteArray("") << QByteArray("") << wayland
                                                  << none << Expected({"-platform", "wayland"});
    QTest::newRow("no display at all") << unset << unset << unset << none << Expected();
    QTest::newRow("QT_QPA_PLATFORM stands")
        << QByteArray("wayland") << x << wayland << none << Expected(none);
    QTest::newRow("QT_QPA_PLATFORM stands without a display")
        << QByteArray("offscreen") << unset << unset << none << Expected(none);
    QTest::newRow("-platform stands")
        << unset << x << wayland << QByteArrayList{"-platform", "wayland"}
        << Expected({"-platform", "wayland"});
    QTest::newRow("--platform stands")
        << unset << unset << unset << QByteArrayList{"--platform", "offscreen"}
        << Expected({"--platform", "offscreen"});
    QTest::newRow("-platform without a name is no choice")
        << unset << x << wayland << QByteArrayList{"-platform"}
        << Expected(xFirst + QByteArrayList{"-platform"});
    QTest::newRow("the user's arguments follow the choice")
        << unset << x << wayland << QByteArrayList{"-style=fusion", "--reverse"}
        << Expected(xFirst + QByteArrayList{"-style=fusion", "--reverse"});
}

void TestSession::displayChoice()
{
    QFETCH(QByteArray, qtPlatform);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArrayList, arguments);
    QFETCH(std::optional<QByteArrayList>, expected);
    const ScopedVariable platformVariable("QT_QPA_PLATFORM", qtPlatform);
    const ScopedVariable displayVariable("DISPLAY", display);
    const ScopedVariable waylandVariable("WAYLAND_DISPLAY", waylandDisplay);
    QByteArrayList given = QByteArrayList{"cubomancer"} + arguments;
    std::vector<char *> argv;
    for (QByteArray &argument : given)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    DisplayChoice choice(int(given.size()), argv.data());

    QCOMPARE(choice.hasDisplay(), expected.has_value());
    if (choice.hasDisplay()) {
        QByteArrayList passed;
        for (int i = 1; i < choice.argc(); ++i)
            passed.append(choice.argv()[i]);
        QCOMPARE(passed, *expected);
        QCOMPARE(choice.argv()[0], argv[0]);
        QCOMPARE(choice.argv()[choice.argc()], nullptr);
    }
    choice.connected();
}

QTEST_APPLESS_MAIN(TestSession)
#include "tst_session.moc"

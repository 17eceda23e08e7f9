// SPDX-License-Identifier: MIT
#include "fakeplatform.h"
#include "farewell/frmfarewell.h"
#include "farewell/referraltext.h"
#include "formgeometry.h"
#include "platform/topmost.h"
#include "siteconfig.h"
#include "testenvironment.h"
#include "ui_frmfarewell.h"
#include "weblinks/weblinks.h"
#include "widgets/apptitle.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>

using Action = std::function<void(frmFarewell *)>;
Q_DECLARE_METATYPE(Action)

namespace {

// The farewell screen with fakes around it, as the program's lifetime would set it up.
struct Screen
{
    explicit Screen(float draw = 0.5f)
    {
        fake.random.values = {draw};
        farewell = new frmFarewell(fake.messages, fake.random, links);
    }
    ~Screen() { delete farewell.data(); }

    bool activate()
    {
        farewell->activateWindow();
        return QTest::qWaitForWindowActive(farewell);
    }
    template <class Control> Control *control(const char *name) const
    {
        return farewell->findChild<Control *>(QLatin1String(name));
    }
    QWidget *field(const QString &name) const { return farewell->findChild<QWidget *>(name); }

    FakePlatform fake;
    WebLinks links{fake.browser};
    QPointer<frmFarewell> farewell;
};

// A multi-line field's lines travel as CR LF.
QString textOf(const QWidget *field)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(field))
        return edit->text();
    return qobject_cast<const QPlainTextEdit *>(field)->toPlainText().replace(
        QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void setTextOf(QWidget *field, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->setText(text);
    else
        qobject_cast<QPlainTextEdit *>(field)->setPlainText(
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace

class TestFarewell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowFrame();
    void supportMessageChoice_data();
    void supportMessageChoice();
    void promotionText();
    void promptRules_data();
    void promptRules();
    void switchingWindowsKeepsAnEmptiedField();
    void spaceInField_data();
    void spaceInField();
    void tabOrder();
    void fieldsKeepLongText_data();
    void fieldsKeepLongText();
    void checkBoxOpensHomePageOncePerTick_data();
    void checkBoxOpensHomePageOncePerTick();
    void softwareLibraryLink();
    void submitFromScreen_data();
    void submitFromScreen();
    void submitRefusalFromScreen();
    void accessKeyLeavesTheFieldFirst();
    void leavingEndsProgram_data();
    void leavingEndsProgram();

private:
    TestEnvironment m_environment;
};

void TestFarewell::fieldsKeepLongText_data()
{
    QTest::addColumn<QString>("field");
    for (const char *name : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestFarewell::fieldsKeepLongText()
{
    QFETCH(QString, field);
    Screen screen;
    auto *edit = screen.farewell->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    const QString pasted(40000, QLatin1Char('x'));
    edit->clear();
    edit->insert(pasted);
    QCOMPARE(edit->text().size(), pasted.size());
}

void TestFarewell::windowFrame()
{
    Screen screen;
    frmFarewell *const farewell = screen.farewell;

    QVERIFY(farewell->isVisible());
    QVERIFY(isShownTopmost(farewell));
    // Shown above the others without taking the focus from the user's current window.
    QVERIFY(farewell->testAttribute(Qt::WA_ShowWithoutActivating));

    QCOMPARE(farewell->windowTitle(), windowTitle());
    LaidOutForm<QWidget, Ui::frmFarewell> form;
    QCOMPARE(farewell->size(), form.form().size());
    QCOMPARE(farewell->minimumSize(), farewell->maximumSize());
    const Qt::WindowFlags flags = farewell->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(farewell->palette().color(QPalette::Window), QColor(Qt::white));

    const QPoint centre = farewell->screen()->availableGeometry().center();
    QVERIFY((farewell->frameGeometry().center() - centre).manhattanLength() <= 1);

    // The message field is out of sight below its frame, yet enabled.
    auto *message = screen.control<QPlainTextEdit>("txtMessage");
    auto *frame = screen.control<QGroupBox>("Frame2");
    QCOMPARE(message->parentWidget(), frame);
    QVERIFY(!frame->rect().intersects(message->geometry()));
    QVERIFY(message->isEnabled());
}

void TestFarewell::supportMessageChoice_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("message"); // the index into the screen's four support messages

    QTest::newRow("zero") << 0.0f << 0;
    QTest::newRow("just below a quarter") << std::nextafter(0.25f, 0.0f) << 0;
    QTest::newRow("a quarter") << 0.25f << 1;
    QTest::newRow("just below a half") << std::nextafter(0.5f, 0.0f) << 1;
    QTest::newRow("a half") << 0.5f << 2;
    QTest::newRow("just below three quarters") << std::nextafter(0.75f, 0.0f) << 2;
    QTest::newRow("three quarters") << 0.75f << 3;
    QTest::newRow("just below one") << std::nextafter(1.0f, 0.0f) << 3;
}

void TestFarewell::supportMessageChoice()
{
    QFETCH(float, draw);
    QFETCH(int, message);

    Screen screen(draw);
    const QString shown = screen.control<QLabel>("Label2")->text();
    QCOMPARE(shown, frmFarewell::supportMessage(message));
    for (int other = 0; other < 4; ++other) {
        if (other != message)
            QVERIFY2(shown != frmFarewell::supportMessage(other), qPrintable(shown));
    }
    // Reseeded, then one draw.
    QCOMPARE(screen.fake.random.seeds.size(), 1);
    QCOMPARE(screen.fake.random.draws, 1);
}

void TestFarewell::promotionText()
{
    Screen screen;
    const QString text = screen.control<QLabel>("Label3")->text();
    QCOMPARE(text, frmFarewell::promotionText());
    QVERIFY(text.contains(QString::fromUtf8("the world\u2019s largest resource")));
    QVERIFY(text.contains(QStringLiteral("their interests.") + QString(61, QLatin1Char(' ')) +
                          QStringLiteral("All the programs")));
    QVERIFY(text.endsWith(QStringLiteral("with your friends and family. ")));
}

void TestFarewell::promptRules_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");     // the field's text before it takes the focus
    QTest::addColumn<QString>("onEntering"); // its text once it has the focus
    QTest::addColumn<QString>("typed");      // set while in the field; null: left as it is
    QTest::addColumn<QString>("onLeaving");  // its text once the focus has moved on

    const QString none;
    QTest::newRow("name: prompt cleared, restored when left empty") << "txtName"
                                                                    << "Your Name"
                                                                    << "" << none << "Your Name";
    QTest::newRow("name: spaces only bring the prompt back") << "txtName"
                                                             << "Your Name"
                                                             << ""
                                                             << "   "
                                                             << "Your Name";
    QTest::newRow("name: typed name kept with its spaces") << "txtName"
                                                           << "Your Name"
                                                           << ""
                                                           << "  Ann Lee "
                                                           << "  Ann Lee ";
    QTest::newRow("name: prompt in lower case is not cleared")
        << "txtName"
        << "your name"
        << "your name" << none << "your name";
    QTest::newRow("name: prompt padded with spaces is cleared") << "txtName"
                                                                << "  Your Name   "
                                                                << "" << none << "Your Name";
    QTest::newRow("name: prompt after a tab is not cleared")
        << "txtName"
        << "\tYour Name"
        << "\tYour Name" << none << "\tYour Name";
    QTest::newRow("name: a tab alone is not blank") << "txtName"
                                                    << "Your Name"
                                                    << ""
                                                    << "\t"
                                                    << "\t";
    QTest::newRow("own e-mail: prompt cleared and restored") << "txtEmail"
                                                             << "Your Email Address"
                                                             << "" << none << "Your Email Address";
    QTest::newRow("own e-mail: another field's prompt is not cleared")
        << "txtEmail"
        << "Your Name"
        << "Your Name" << none << "Your Name";
    QTest::newRow("friend's name: prompt cleared and restored") << "txtFriendName"
                                                                << "Friend's Name"
                                                                << "" << none << "Friend's Name";
    QTest::newRow("friend's name: typed name kept") << "txtFriendName"
                                                    << "Friend's Name"
                                                    << ""
                                                    << "Bob"
                                                    << "Bob";
    QTest::newRow("friend's e-mail: prompt cleared and restored")
        << "txtFriendEmail"
        << "Friend's Email Address"
        << "" << none << "Friend's Email Address";
    QTest::newRow("message: the untouched text stays") << "txtMessage"
                                                       << "Your Message\r\n"
                                                       << "Your Message\r\n"
                                                       << none << "Your Message\r\n";
    QTest::newRow("message: emptied and left gets the prompt without its line break")
        << "txtMessage"
        << "Your Message\r\n"
        << "Your Message\r\n"
        << ""
        << "Your Message";
    QTest::newRow("message: the prompt alone is cleared") << "txtMessage"
                                                          << "Your Message"
                                                          << "" << none << "Your Message";
}

void TestFarewell::promptRules()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, onEntering);
    QFETCH(QString, typed);
    QFETCH(QString, onLeaving);

    Screen screen;
    QVERIFY(screen.activate());
    QWidget *const edit = screen.field(field);
    QVERIFY(edit);
    setTextOf(edit, before);

    edit->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(textOf(edit), onEntering);
    if (!typed.isNull())
        setTextOf(edit, typed);

    screen.control<QPushButton>("cmdClose")->setFocus(Qt::TabFocusReason);
    QCOMPARE(textOf(edit), onLeaving);
}

void TestFarewell::switchingWindowsKeepsAnEmptiedField()
{
    Screen screen;
    QVERIFY(screen.activate());
    auto *name = screen.control<QLineEdit>("txtName");
    name->setFocus(Qt::MouseFocusReason);
    QCOMPARE(name->text(), QString());

    // A message box or another program taking the focus is no leaving of the field.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QCOMPARE(name->text(), QString());

    QVERIFY(screen.activate());
    QCOMPARE(QApplication::focusWidget(), name);
    QCOMPARE(name->text(), QString());
}

void TestFarewell::spaceInField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("refused");

    QTest::newRow("own e-mail refuses") << "txtEmail" << true;
    QTest::newRow("friend's e-mail refuses") << "txtFriendEmail" << true;
    QTest::newRow("name accepts") << "txtName" << false;
    QTest::newRow("friend's name accepts") << "txtFriendName" << false;
    QTest::newRow("message accepts") << "txtMessage" << false;
}

void TestFarewell::spaceInField()
{
    QFETCH(QString, field);
    QFETCH(bool, refused);

    Screen screen;
    QVERIFY(screen.activate());
    QWidget *const edit = screen.field(field);
    edit->setFocus(Qt::TabFocusReason);
    setTextOf(edit, QString());

    QString textWhileShown;
    QPushButton *const exit = screen.control<QPushButton>("cmdClose");
    screen.fake.messages.onShow = [&](const QString &) {
        textWhileShown = textOf(edit);
        // The box takes the focus while it is up.
        exit->setFocus(Qt::ActiveWindowFocusReason);
    };
    QTest::keyClicks(edit, QStringLiteral("a b"));

    QCOMPARE(QApplication::focusWidget(), edit);
    if (!refused) {
        QCOMPARE(textOf(edit), QStringLiteral("a b"));
        QCOMPARE(screen.fake.messages.texts(), QStringList());
        return;
    }
    QCOMPARE(textOf(edit), QStringLiteral("ab"));
    QCOMPARE(textWhileShown, QStringLiteral("a"));
    QCOMPARE(screen.fake.messages.texts(), QStringList{"Email Address Cannot Contain Space"});
    QCOMPARE(screen.fake.messages.shown.first().icon, MessageIcon::Stop);
    QCOMPARE(screen.fake.messages.shown.first().buttons, MessageButtons::Ok);
}

void TestFarewell::tabOrder()
{
    Screen screen;
    QVERIFY(screen.activate());
    QCOMPARE(QApplication::focusWidget(), screen.control<QWidget>("cmdClose"));

    QStringList visited;
    for (int step = 0; step < 9; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    // The link comes last, so that keyboard users reach it too.
    QCOMPARE(visited, QStringList({"Check1", "txtName", "cmdSubmit", "txtEmail", "txtFriendEmail",
                                   "txtFriendName", "txtMessage", "lblGoToHome", "cmdClose"}));
}

void TestFarewell::checkBoxOpensHomePageOncePerTick_data()
{
    QTest::addColumn<Action>("tick");

    QTest::newRow("mouse click") << Action([](frmFarewell *farewell) {
        QTest::mouseClick(farewell->findChild<QCheckBox *>(QStringLiteral("Check1")),
                          Qt::LeftButton);
    });
    QTest::newRow("mouse click at the right end") << Action([](frmFarewell *farewell) {
        auto *box = farewell->findChild<QCheckBox *>(QStringLiteral("Check1"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 1, box->height() / 2));
    });
    QTest::newRow("space key") << Action([](frmFarewell *farewell) {
        auto *box = farewell->findChild<QCheckBox *>(QStringLiteral("Check1"));
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Space);
    });
}

void TestFarewell::checkBoxOpensHomePageOncePerTick()
{
    QFETCH(Action, tick);

    Screen screen;
    QVERIFY(screen.activate());
    auto *box = screen.control<QCheckBox>("Check1");
    const QString home = QStringLiteral("http://") + QLatin1String(CUBOMANCER_SITE_HOST);

    tick(screen.farewell);
    QCOMPARE(screen.fake.browser.opened, QStringList{home});
    QVERIFY(!box->isChecked());

    tick(screen.farewell);
    QCOMPARE(screen.fake.browser.opened, QStringList({home, home}));
    QVERIFY(!box->isChecked());
}

void TestFarewell::softwareLibraryLink()
{
    Screen screen;
    QTest::mouseClick(screen.control<QLabel>("Label3"), Qt::LeftButton);
    QCOMPARE(screen.fake.browser.opened, QStringList());

    QTest::mouseClick(screen.control<QWidget>("lblGoToHome"), Qt::LeftButton);
    QCOMPARE(screen.fake.browser.opened,
             QStringList{QStringLiteral("http://") + QLatin1String(CUBOMANCER_SITE_HOST) +
                         QStringLiteral("/augurysoftwares")});
    QVERIFY(screen.farewell->isVisible());
}

void TestFarewell::submitFromScreen_data()
{
    QTest::addColumn<QString>("message"); // null: the hidden field left untouched
    QTest::addColumn<QString>("encoded");

    QTest::newRow("untouched hidden message") << QString() << "Your%20Message%0D%0A";
    QTest::newRow("two lines") << "Line one\r\nLine two"
                               << "Line%20one%0D%0ALine%20two";
    QTest::newRow("no-break space kept") << QString::fromUtf8("a\u00a0b") << "a%C2%A0b";
}

void TestFarewell::submitFromScreen()
{
    QFETCH(QString, message);
    QFETCH(QString, encoded);

    Screen screen;
    const QStringList fields{"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
    const QStringList entries{"Ann Lee", "ann@example.org", "Bob", "bob@example.net"};
    for (qsizetype i = 0; i < fields.size(); ++i)
        setTextOf(screen.field(fields.at(i)), entries.at(i));
    if (!message.isNull())
        setTextOf(screen.field(QStringLiteral("txtMessage")), message);
    const QString messageBefore = textOf(screen.field(QStringLiteral("txtMessage")));

    QTest::mouseClick(screen.control<QPushButton>("cmdSubmit"), Qt::LeftButton);

    const QString site = QStringLiteral("http://") + QLatin1String(CUBOMANCER_SITE_HOST);
    const QString expected = site +
                             "/ohms-refer-a-friend.php?taf1=Ann%20Lee&taf2=ann@example.org"
                             "&taf3=" +
                             encoded + "&taf4=Bob&taf5=bob@example.net&taf6=" + site +
                             "/cubomancer/";
    QCOMPARE(screen.fake.messages.texts(), QStringList());
    QCOMPARE(screen.fake.browser.opened, QStringList{expected});
    QCOMPARE(screen.farewell->tellAFriend().ReferralAddress, expected);
    // The screen stays as it was.
    for (qsizetype i = 0; i < fields.size(); ++i)
        QCOMPARE(textOf(screen.field(fields.at(i))), entries.at(i));
    QCOMPARE(textOf(screen.field(QStringLiteral("txtMessage"))), messageBefore);
    QVERIFY(screen.farewell->isVisible());
}

void TestFarewell::accessKeyLeavesTheFieldFirst()
{
    Screen screen;
    QVERIFY(screen.activate());
    auto *name = screen.control<QLineEdit>("txtName");
    name->setFocus(Qt::MouseFocusReason);
    QCOMPARE(name->text(), QString());

    // Like a click, the access key takes the focus to the button before the checks run, so the
    // emptied field has its prompt back by then.
    QString nameWhileChecked;
    screen.fake.messages.onShow = [&](const QString &) { nameWhileChecked = name->text(); };
    QTest::keyClick(screen.farewell, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(screen.fake.messages.texts().size(), 1);
    QCOMPARE(nameWhileChecked, ReferralText::namePrompt());
    QCOMPARE(QApplication::focusWidget(), screen.control<QWidget>("cmdSubmit"));
}

void TestFarewell::submitRefusalFromScreen()
{
    Screen screen;
    QTest::mouseClick(screen.control<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(screen.fake.messages.texts(), QStringList{"Please Enter Proper Email Address"});
    QCOMPARE(screen.fake.browser.opened, QStringList());
    QCOMPARE(textOf(screen.field(QStringLiteral("txtEmail"))),
             QStringLiteral("Your Email Address"));
}

void TestFarewell::leavingEndsProgram_data()
{
    QTest::addColumn<Action>("leave");

    QTest::newRow("Exit clicked") << Action([](frmFarewell *farewell) {
        QTest::mouseClick(farewell->findChild<QPushButton *>(QStringLiteral("cmdClose")),
                          Qt::LeftButton);
    });
    QTest::newRow("Alt+X") << Action(
        [](frmFarewell *farewell) { QTest::keyClick(farewell, Qt::Key_X, Qt::AltModifier); });
    QTest::newRow("Enter on the focused Exit button") << Action([](frmFarewell *farewell) {
        QTest::keyClick(farewell->findChild<QPushButton *>(QStringLiteral("cmdClose")),
                        Qt::Key_Return);
    });
    QTest::newRow("Space on the focused Exit button") << Action([](frmFarewell *farewell) {
        QTest::keyClick(farewell->findChild<QPushButton *>(QStringLiteral("cmdClose")),
                        Qt::Key_Space);
    });
    QTest::newRow("close box") << Action([](frmFarewell *farewell) { farewell->close(); });
}

void TestFarewell::leavingEndsProgram()
{
    QFETCH(Action, leave);

    Screen screen;
    QVERIFY(screen.activate());
    QCOMPARE(QApplication::focusWidget(), screen.control<QWidget>("cmdClose"));
    QSignalSpy unloaded(screen.farewell.data(), &frmFarewell::unloaded);
    QVERIFY(unloaded.isValid());

    leave(screen.farewell);

    QTRY_COMPARE(unloaded.size(), 1);
    QTRY_VERIFY(screen.farewell.isNull());
    QCOMPARE(unloaded.size(), 1);
    QCOMPARE(screen.fake.messages.texts(), QStringList());
}

QTEST_MAIN(TestFarewell)
#include "tst_frmfarewell.moc"

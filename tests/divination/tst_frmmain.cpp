// SPDX-License-Identifier: MIT
#include "accessibilitychecks.h"
#include "divination/cobrand.h"
#include "divination/frmabout.h"
#include "divination/frmmain.h"
#include "divination/readingtable.h"
#include "fakeplatform.h"
#include "formgeometry.h"
#include "platform/randomsource.h"
#include "testenvironment.h"
#include "ui_frmmain.h"
#include "weblinks/weblinks.h"
#include "widgets/accessibility.h"
#include "widgets/apptitle.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

// One main window with recording doubles around it.
struct Rig
{
    RecordingBrowser browser;
    WebLinks links{browser};
    ScriptedRandom random;
    QPointer<frmMain> window;

    frmMain &make()
    {
        window = new frmMain(random, links);
        return *window;
    }
    ~Rig() { delete window; }
};

template <class T = QWidget> T *part(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

// The name of the container's direct child that lies on top at the given point.
QString topmostAt(QWidget *container, QPoint point)
{
    QWidget *hit = container->childAt(point);
    while (hit != nullptr && hit->parentWidget() != container)
        hit = hit->parentWidget();
    return hit != nullptr ? hit->objectName() : QString();
}

QString frontPanel(frmMain &window)
{
    // A point of the panels' shared rectangle that no panel control covers.
    const QPoint panelCorner = part(&window, "Frame1")->pos() + QPoint(2, 2);
    return topmostAt(window.centralWidget(), panelCorner);
}

QString frontPromotion(frmMain &window)
{
    QWidget *strip = part(&window, "fraFullBrand");
    return topmostAt(strip, strip->rect().center());
}

bool showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

using Trigger = std::function<void(frmMain &)>;

Trigger menuItem(const char *name)
{
    return [name](frmMain &window) { part<QAction>(&window, name)->trigger(); };
}

Trigger mouseOn(const char *name)
{
    return [name](frmMain &window) { QTest::mouseClick(part(&window, name), Qt::LeftButton); };
}

Trigger spaceOn(const char *name)
{
    return [name](frmMain &window) {
        QWidget *target = part(&window, name);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, Qt::Key_Space);
    };
}

Trigger accessKey(Qt::Key key)
{
    return [key](frmMain &window) { QTest::keyClick(&window, key, Qt::AltModifier); };
}

} // namespace

Q_DECLARE_METATYPE(Trigger)

class TestFrmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void firstSight();
    void geometry_data();
    void geometry();
    void stackingAfterLoad_data();
    void stackingAfterLoad();
    void colourAndFontUnderDarkTheme_data();
    void colourAndFontUnderDarkTheme();
    void promotionalTextsAsStored();
    void menuBar();

    void fullSequence_data();
    void fullSequence();
    void coveredPanelOutOfReach_data();
    void coveredPanelOutOfReach();

    void linksOpenTheirAddress_data();
    void linksOpenTheirAddress();
    void makeMoneyStaysUnavailable();
    void coBrandDraw_data();
    void coBrandDraw();

    void closing_data();
    void closing();
    void aboutBoxIsModalAndLeavesRollStateAlone();
    void everyControlHasAnAccessibleName();
    void linkFocusCueStandsOut();

private:
    TestEnvironment m_environment;
};

void TestFrmMain::initTestCase()
{
    // As in the program: the farewell screen outlives the main window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    installAccessibleInterfaces();
}

void TestFrmMain::firstSight()
{
    Rig rig;
    frmMain &window = rig.make();
    QVERIFY(!window.isVisible()); // the caller shows it
    QVERIFY(showActive(window));

    QCOMPARE(window.windowTitle(), windowTitle());
    LaidOutForm<QMainWindow, Ui::frmMain> form;
    QCOMPARE(window.centralWidget()->size(), form.control("centralwidget")->minimumSize());
    QCOMPARE(form.control("centralwidget")->minimumSize(),
             form.control("centralwidget")->maximumSize());
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());

    QCOMPARE(frontPanel(window), QStringLiteral("Frame1"));
    QCOMPARE(part<QLabel>(&window, "lblResult")->text(), QStringLiteral("R"));
    QCOMPARE(part<QLabel>(&window, "lblLabel")->text(), QStringLiteral("Roll Your Dice 0 Times"));
    QCOMPARE(part<QPushButton>(&window, "cmdRoll")->text(), QStringLiteral("&Roll Dice"));
    QCOMPARE(part<QLabel>(&window, "lblDesc")->text(), FindReading(QStringLiteral("0001")).value());
    QCOMPARE(window.RollCount(), qint16(0));
    QCOMPARE(window.RollNumber(), qint16(0));
    QCOMPARE(QApplication::focusWidget(), part(&window, "cmdRoll"));
    QCOMPARE(frontPromotion(window), QStringLiteral("lblCobrand"));
}

void TestFrmMain::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<bool>("sizedToText");
    const QString window = QStringLiteral("centralwidget");

    QTest::newRow("promotional strip") << "fraFullBrand" << window << false;
    QTest::newRow("co-brand offer") << "lblCobrand"
                                    << "fraFullBrand" << false;
    QTest::newRow("full-brand offer") << "lblFullBrand"
                                      << "fraFullBrand" << false;
    QTest::newRow("result panel") << "Frame2" << window << false;
    QTest::newRow("back button") << "cmdBack"
                                 << "Frame2" << false;
    QTest::newRow("result heading") << "Label2"
                                    << "Frame2" << true;
    QTest::newRow("reading") << "lblDesc"
                             << "Frame2" << false;
    QTest::newRow("roll panel, same place") << "Frame1" << window << false;
    QTest::newRow("roll button") << "cmdRoll"
                                 << "Frame1" << false;
    QTest::newRow("count caption") << "lblLabel"
                                   << "Frame1" << true;
    QTest::newRow("instructions") << "Label1"
                                  << "Frame1" << false;
    QTest::newRow("die label") << "lblResult"
                               << "Frame1" << true;
    QTest::newRow("box around the die") << "Shape1"
                                        << "Frame1" << false;
    QTest::newRow("home-page banner") << "Label61" << window << false;
}

void TestFrmMain::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(bool, sizedToText);
    Rig rig;
    frmMain &window = rig.make();
    // The result panel is looked at as the user first sees it, brought to the front by the
    // roll button; its heading is sized to its text then.
    QWidget *result = part(&window, "Frame2");
    for (int press = 0; container == result->objectName() && result->isHidden(); ++press) {
        QVERIFY(press < 10);
        part<QPushButton>(&window, "cmdRoll")->click();
    }
    QWidget *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    LaidOutForm<QMainWindow, Ui::frmMain> form;
    verifyLaidOut(control, form.control(name), sizedToText);
}

void TestFrmMain::stackingAfterLoad_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QStringList>("topFirst");

    QTest::newRow("window, roll panel brought to the front")
        << "centralwidget" << QStringList{"Frame1", "fraFullBrand", "Frame2", "Label61"};
    QTest::newRow("roll panel") << "Frame1"
                                << QStringList{"cmdRoll", "lblLabel", "Label1", "lblResult",
                                               "Shape1"};
    QTest::newRow("result panel") << "Frame2" << QStringList{"cmdBack", "Label2", "lblDesc"};
    QTest::newRow("promotional strip")
        << "fraFullBrand" << QStringList{"lblCobrand", "lblFullBrand"};
}

void TestFrmMain::stackingAfterLoad()
{
    QFETCH(QString, container);
    QFETCH(QStringList, topFirst);
    Rig rig;
    frmMain &window = rig.make();
    QWidget *parent = window.findChild<QWidget *>(container);
    QVERIFY(parent);
    QStringList order;
    for (QObject *child : parent->children()) {
        if (child->isWidgetType())
            order.prepend(child->objectName());
    }
    QCOMPARE(order, topFirst);
}

void TestFrmMain::colourAndFontUnderDarkTheme_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background"); // invalid: transparent
    QTest::addColumn<QColor>("text");       // invalid: the theme's, as for buttons
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<int>("alignment"); // 0: not checked
    QTest::addColumn<bool>("wordWrap");

    const QColor darkGreen(0, 64, 0), lightGreen(128, 255, 128), cream(255, 255, 192);
    const QColor black(Qt::black);
    const int centred = Qt::AlignHCenter, left = Qt::AlignLeft;

    QTest::newRow("window") << "centralwidget" << darkGreen << black << 8.25 << false << false << 0
                            << false;
    QTest::newRow("roll panel") << "Frame1" << lightGreen << black << 8.25 << false << false << 0
                                << false;
    QTest::newRow("result panel") << "Frame2" << lightGreen << black << 8.25 << false << false << 0
                                  << false;
    QTest::newRow("strip") << "fraFullBrand" << darkGreen << black << 8.25 << false << false << 0
                           << false;
    QTest::newRow("co-brand offer")
        << "lblCobrand" << darkGreen << cream << 8.25 << true << true << centred << true;
    QTest::newRow("full-brand offer")
        << "lblFullBrand" << darkGreen << cream << 8.25 << true << true << centred << true;
    QTest::newRow("banner") << "Label61" << QColor() << cream << 8.25 << true << true << centred
                            << true;
    QTest::newRow("result heading")
        << "Label2" << QColor() << QColor(0, 0, 255) << 9.75 << true << true << 0 << false;
    QTest::newRow("reading, black")
        << "lblDesc" << QColor() << black << 8.25 << false << false << left << true;
    QTest::newRow("count caption, black")
        << "lblLabel" << QColor() << black << 8.25 << true << false << centred << false;
    QTest::newRow("instructions") << "Label1" << QColor() << QColor(103, 43, 227) << 8.25 << false
                                  << false << left << true;
    QTest::newRow("die") << "lblResult" << QColor() << QColor(0, 128, 0) << 72.0 << true << false
                         << centred << false;
    QTest::newRow("roll button") << "cmdRoll" << QColor() << QColor() << 8.25 << true << false << 0
                                 << false;
    QTest::newRow("back button") << "cmdBack" << QColor() << QColor() << 8.25 << false << false << 0
                                 << false;
}

void TestFrmMain::colourAndFontUnderDarkTheme()
{
    QFETCH(QString, name);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(int, alignment);
    QFETCH(bool, wordWrap);

    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    Rig rig;
    frmMain &window = rig.make();
    QApplication::setPalette(original);

    QWidget *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->autoFillBackground(), background.isValid());
    if (background.isValid())
        QCOMPARE(control->palette().color(QPalette::Window), background);
    if (text.isValid())
        QCOMPARE(control->palette().color(QPalette::WindowText), text);

    const QFont font = control->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    const QString family = QFontInfo(font).family();
    QVERIFY2(family == QLatin1String("Verdana") || family == QLatin1String("DejaVu Sans"),
             qPrintable(family));

    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (alignment != 0)
            QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(label->wordWrap(), wordWrap);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
}

void TestFrmMain::promotionalTextsAsStored()
{
    Rig rig;
    frmMain &window = rig.make();
    // Stored with "&&", which shows one ampersand; the double blanks stay.
    QCOMPARE(part<QAbstractButton>(&window, "lblCobrand")->text(),
             QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic "
                            "to your site. Put your site's name &&  link here. See \"Help\" for "
                            "details.    Click Here for more info on co-branding."));
    QCOMPARE(part<QAbstractButton>(&window, "lblFullBrand")->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                            "make money online. Get this software fully branded for your "
                            "website. Click here for more details."));
    QCOMPARE(part<QAbstractButton>(&window, "Label61")->text(),
             QStringLiteral("The Most Popular Online Mystic Discussion Board. Best Resource For "
                            "Everything Mystic. Visit Omenhall Now"));
    for (const char *name : {"Label61", "lblCobrand", "lblFullBrand"})
        QCOMPARE(part(&window, name)->cursor().shape(), Qt::PointingHandCursor);
}

void TestFrmMain::menuBar()
{
    Rig rig;
    frmMain &window = rig.make();
    auto describe = [](const QList<QAction *> &items) {
        QStringList result;
        for (const QAction *item : items)
            result.append(item->objectName() + QLatin1Char('=') +
                          (item->isSeparator() ? QStringLiteral("-") : item->text()));
        return result;
    };
    const QList<QAction *> bar = window.menuBar()->actions();
    QCOMPARE(describe(bar), QStringList({"=&File", "=&Help", "mnuDonate=&Donate",
                                         "mnuMakeMoney=Make Money &Online"}));
    QCOMPARE(bar.at(0)->menu()->objectName(), QStringLiteral("nuFile"));
    QCOMPARE(bar.at(1)->menu()->objectName(), QStringLiteral("mnuHelp"));
    QCOMPARE(describe(bar.at(0)->menu()->actions()), QStringList{"mnuExit=E&xit"});
    QCOMPARE(describe(bar.at(1)->menu()->actions()),
             QStringList({"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "mnuFileSep1=-",
                          "mnuUpdate=&Check for Software Update", "mnuFileSep2=-",
                          "mnuAbout=&About Software"}));
    const auto everyItem = window.findChildren<QAction *>();
    for (const QAction *item : everyItem) {
        QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->objectName()));
        QVERIFY(!item->isChecked());
    }
}

void TestFrmMain::fullSequence_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse clicks") << false;
    QTest::newRow("access keys and Space") << true;
}

void TestFrmMain::fullSequence()
{
    QFETCH(bool, byKeyboard);
    Rig rig;
    rig.random.values = {0.4f, 0.95f, 0.05f, 0.6f}; // 3, 6, 1, 4
    frmMain &window = rig.make();
    QVERIFY(showActive(window));
    auto *cmdRoll = part<QPushButton>(&window, "cmdRoll");
    auto *cmdBack = part<QPushButton>(&window, "cmdBack");
    auto *lblLabel = part<QLabel>(&window, "lblLabel");
    auto *lblResult = part<QLabel>(&window, "lblResult");
    const QPoint countOrigin = lblLabel->pos();
    const QPoint dieOrigin = lblResult->pos();

    const QStringList dice{"3", "6", "1", "4"};
    for (int thrown = 1; thrown <= 4; ++thrown) {
        if (byKeyboard && thrown < 4)
            QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
        else if (byKeyboard)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // "&Roll Dice" still
        else
            QTest::mouseClick(cmdRoll, Qt::LeftButton);
        // Each press throws at once, as a click does, however soon the next one follows.
        QCOMPARE(rig.random.draws, thrown);
        QCOMPARE(lblResult->text(), dice.at(thrown - 1));
        QCOMPARE(lblLabel->text(), QStringLiteral("Roll Your Dice %1 Time").arg(thrown));
        // Sized to their text, left and top edges kept.
        QCOMPARE(lblLabel->pos(), countOrigin);
        QCOMPARE(lblLabel->size(), lblLabel->sizeHint());
        QCOMPARE(lblResult->pos(), dieOrigin);
        QCOMPARE(lblResult->size(), lblResult->sizeHint());
        QCOMPARE(cmdRoll->text(),
                 thrown == 4 ? QStringLiteral("Show Result") : QStringLiteral("&Roll Dice"));
        QCOMPARE(frontPanel(window), QStringLiteral("Frame1"));
    }
    QCOMPARE(window.RollNumber(), qint16(3614));

    // "Show Result" has no access key: the keyboard presses the focused button.
    if (byKeyboard) {
        QCOMPARE(QApplication::focusWidget(), cmdRoll);
        QTest::keyClick(cmdRoll, Qt::Key_Space);
    } else {
        QTest::mouseClick(cmdRoll, Qt::LeftButton);
    }
    QTRY_COMPARE(frontPanel(window), QStringLiteral("Frame2"));
    QCOMPARE(part<QLabel>(&window, "lblDesc")->text(), FindReading(QStringLiteral("1010")).value());
    QCOMPARE(window.RollCount(), qint16(1));
    QCOMPARE(window.RollNumber(), qint16(0));
    QCOMPARE(rig.random.draws, 4);
    QCOMPARE(QApplication::focusWidget(), cmdBack); // focus follows the panel

    if (byKeyboard)
        QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
    else
        QTest::mouseClick(cmdBack, Qt::LeftButton);
    QTRY_COMPARE(frontPanel(window), QStringLiteral("Frame1"));
    QCOMPARE(cmdRoll->text(), QStringLiteral("Roll Dice"));
    QCOMPARE(lblResult->text(), QStringLiteral("R"));
    QCOMPARE(lblLabel->text(), QStringLiteral("Roll Your Dice 0 Time"));
    QCOMPARE(window.RollCount(), qint16(0));
    QCOMPARE(QApplication::focusWidget(), cmdRoll);

    // The access key is gone with the ampersand.
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    QTest::qWait(300);
    QCOMPARE(rig.random.draws, 4);
    QCOMPARE(lblLabel->text(), QStringLiteral("Roll Your Dice 0 Time"));

    // A new sequence again takes four throws (the script now repeats 0.6, a 4).
    for (int thrown = 1; thrown <= 4; ++thrown)
        QTest::mouseClick(cmdRoll, Qt::LeftButton);
    QCOMPARE(window.RollNumber(), qint16(4444));
    QCOMPARE(cmdRoll->text(), QStringLiteral("Show Result"));
    QTest::mouseClick(cmdRoll, Qt::LeftButton);
    QCOMPARE(frontPanel(window), QStringLiteral("Frame2"));
    QCOMPARE(part<QLabel>(&window, "lblDesc")->text(), FindReading(QStringLiteral("0000")).value());
}

void TestFrmMain::coveredPanelOutOfReach_data()
{
    QTest::addColumn<int>("presses"); // roll button presses before the check
    QTest::addColumn<QString>("coveredPanel");
    QTest::addColumn<QString>("coveredButton");
    QTest::addColumn<QString>("frontButton");
    QTest::addColumn<int>("coveredKey");

    QTest::newRow("roll panel at the start, Alt+B") << 0 << "Frame2"
                                                    << "cmdBack"
                                                    << "cmdRoll" << int(Qt::Key_B);
    QTest::newRow("roll panel after two throws, Alt+B") << 2 << "Frame2"
                                                        << "cmdBack"
                                                        << "cmdRoll" << int(Qt::Key_B);
    QTest::newRow("result panel, Alt+R") << 5 << "Frame1"
                                         << "cmdRoll"
                                         << "cmdBack" << int(Qt::Key_R);
}

void TestFrmMain::coveredPanelOutOfReach()
{
    QFETCH(int, presses);
    QFETCH(QString, coveredPanel);
    QFETCH(QString, coveredButton);
    QFETCH(QString, frontButton);
    QFETCH(int, coveredKey);
    Rig rig;
    rig.random.values = {0.2f}; // 2s
    frmMain &window = rig.make();
    QVERIFY(showActive(window));
    for (int i = 0; i < presses; ++i)
        QTest::mouseClick(part(&window, "cmdRoll"), Qt::LeftButton);

    QWidget *covered = window.findChild<QWidget *>(coveredPanel);
    const QString front = frontPanel(window);
    QVERIFY(front != coveredPanel);
    const qint16 count = window.RollCount();
    const qint16 number = window.RollNumber();
    const int draws = rig.random.draws;
    auto unchanged = [&] {
        return window.RollCount() == count && window.RollNumber() == number &&
               rig.random.draws == draws && frontPanel(window) == front;
    };

    // Tab runs round the whole chain more than once without entering the covered panel.
    QSet<QString> reached;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QVERIFY2(!covered->isAncestorOf(focus), qPrintable(focus->objectName()));
        reached.insert(focus->objectName());
    }
    QVERIFY(reached.contains(frontButton));
    QVERIFY(reached.contains(QStringLiteral("Label61")));
    QVERIFY(!reached.contains(QStringLiteral("lblFullBrand"))); // under the co-brand offer
    QVERIFY(unchanged());

    QTest::keyClick(&window, Qt::Key(coveredKey), Qt::AltModifier);
    QTest::qWait(300); // longer than a button's click animation
    QVERIFY(unchanged());

    // A click where the covered button lies lands on the panel in front.
    QWidget *button = window.findChild<QWidget *>(coveredButton);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      button->mapTo(&window, button->rect().center()));
    QTest::qWait(50);
    QVERIFY(unchanged());
}

void TestFrmMain::linksOpenTheirAddress_data()
{
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<QString>("address");

    QTest::newRow("Help > Online Help") << menuItem("mnuOnline") << WebLinks::onlineHelpAddress();
    QTest::newRow("Help > Visit Us Online") << menuItem("mnuVisit") << WebLinks::homePageAddress();
    QTest::newRow("Help > Check for Software Update")
        << menuItem("mnuUpdate") << WebLinks::downloadPageAddress();
    QTest::newRow("Donate") << menuItem("mnuDonate") << WebLinks::donatePageAddress();
    QTest::newRow("Donate by Alt+D") << accessKey(Qt::Key_D) << WebLinks::donatePageAddress();
    QTest::newRow("banner clicked") << mouseOn("Label61") << WebLinks::homePageAddress();
    QTest::newRow("banner by Space") << spaceOn("Label61") << WebLinks::homePageAddress();
    QTest::newRow("co-brand offer by Space")
        << spaceOn("lblCobrand") << WebLinks::coBrandPageAddress();
    QTest::newRow("banner by a screen reader's Press") << Trigger([](frmMain &window) {
        QAccessibleInterface *link =
            QAccessible::queryAccessibleInterface(part(&window, "Label61"));
        QCOMPARE(link->role(), QAccessible::Link);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }) << WebLinks::homePageAddress();
}

void TestFrmMain::linksOpenTheirAddress()
{
    QFETCH(Trigger, trigger);
    QFETCH(QString, address);
    Rig rig;
    frmMain &window = rig.make();
    QVERIFY(showActive(window));
    trigger(window);
    QTRY_COMPARE(rig.browser.opened, QStringList{address});
    QVERIFY(window.isVisible());
    QCOMPARE(rig.random.draws, 0);
}

void TestFrmMain::makeMoneyStaysUnavailable()
{
    Rig rig;
    frmMain &window = rig.make();
    QVERIFY(showActive(window));
    auto *item = part<QAction>(&window, "mnuMakeMoney");
    QVERIFY(!item->isEnabled());
    item->trigger();
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    QTest::qWait(50);
    QCOMPARE(rig.browser.opened, QStringList());
    // Were it ever made available, it would open the fully-branded page.
    item->setEnabled(true);
    item->trigger();
    QCOMPARE(rig.browser.opened, QStringList{WebLinks::fullBrandPageAddress()});
}

void TestFrmMain::coBrandDraw_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("onTop");

    QTest::newRow("0 gives 1, co-brand") << 0.0f << 1 << "lblCobrand";
    QTest::newRow("0.25 gives 2.5, half to even 2, full brand") << 0.25f << 2 << "lblFullBrand";
    QTest::newRow("0.4 gives 3, co-brand") << 0.4f << 3 << "lblCobrand";
    QTest::newRow("0.5 gives 4, full brand") << 0.5f << 4 << "lblFullBrand";
    QTest::newRow("0.75 gives 5.5, half to even 6, full brand") << 0.75f << 6 << "lblFullBrand";
    QTest::newRow("0.95 gives 7, layout stacking stays") << 0.95f << 7 << "lblCobrand";
    // The smallest draw above 7/12: 6r + 1 lies just above 4.5, but in single precision it
    // rounded onto the half, which went to 4.
    QTest::newRow("just above 7/12 gives 5")
        << UniformRandom::fromBits(9786710) << 5 << "lblCobrand";
}

void TestFrmMain::coBrandDraw()
{
    QFETCH(float, draw);
    QFETCH(int, number);
    QFETCH(QString, onTop);
    Rig rig;
    frmMain &window = rig.make();
    QVERIFY(showActive(window));
    rig.random.values = {draw};

    QCOMPARE(CoBrand_Randomize(rig.random, window), qint16(number));
    QCOMPARE(rig.random.draws, 1);
    QCOMPARE(frontPromotion(window), onTop);

    // What is clicked is what lies on top, and its page matches its text.
    QWidget *strip = part(&window, "fraFullBrand");
    auto *top = qobject_cast<QAbstractButton *>(strip->childAt(strip->rect().center()));
    QVERIFY(top);
    QTest::mouseClick(top, Qt::LeftButton);
    const QString expected = top->text().startsWith(QLatin1String("Co-brand"))
                                 ? WebLinks::coBrandPageAddress()
                                 : WebLinks::fullBrandPageAddress();
    QCOMPARE(rig.browser.opened, QStringList{expected});

    // The covered offer cannot be reached by Tab either.
    const QString covered = onTop == QLatin1String("lblCobrand") ? QStringLiteral("lblFullBrand")
                                                                 : QStringLiteral("lblCobrand");
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget()->objectName() != covered);
    }
}

void TestFrmMain::closing_data()
{
    QTest::addColumn<Trigger>("trigger");
    QTest::newRow("close box") << Trigger([](frmMain &window) { window.close(); });
    QTest::newRow("File > Exit") << menuItem("mnuExit");
}

void TestFrmMain::closing()
{
    QFETCH(Trigger, trigger);
    Rig rig;
    frmMain &window = rig.make();
    QVERIFY(showActive(window));
    bool quitRequested = false;
    connect(qApp, &QCoreApplication::aboutToQuit, this, [&] { quitRequested = true; });

    QSignalSpy unloaded(&window, &frmMain::unloaded);
    trigger(window);
    QCOMPARE(unloaded.size(), 1);
    QVERIFY(!rig.window->isVisible());
    QTRY_VERIFY(rig.window.isNull());
    QCOMPARE(unloaded.size(), 1); // once only
    QVERIFY(!quitRequested);
    QCOMPARE(rig.browser.opened, QStringList());
}

void TestFrmMain::aboutBoxIsModalAndLeavesRollStateAlone()
{
    Rig rig;
    rig.random.values = {0.8f, 0.2f}; // 5, 2
    frmMain &window = rig.make();
    QVERIFY(showActive(window));
    auto *cmdRoll = part<QPushButton>(&window, "cmdRoll");
    // Clicks through the window system, where a modal box blocks them (a click sent straight
    // to the widget would pass any modal box by).
    auto clickRollThroughWindow = [&] {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          cmdRoll->mapTo(&window, cmdRoll->rect().center()));
    };
    clickRollThroughWindow();
    clickRollThroughWindow();
    QCOMPARE(rig.random.draws, 2);
    const QString caption = part<QLabel>(&window, "lblLabel")->text();

    QPointer<frmAbout> seen;
    bool wasModal = false;
    QTimer::singleShot(0, this, [&] {
        seen = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        if (!seen)
            return;
        wasModal = seen->isModal() && seen->isVisible();
        // The main window takes no clicks meanwhile.
        clickRollThroughWindow();
        QTest::mouseClick(seen->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    // Never hang the suite on a box that failed to close.
    QTimer::singleShot(5000, this, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    part<QAction>(&window, "mnuAbout")->trigger(); // returns once the box has closed

    QVERIFY(wasModal);
    QVERIFY(seen.isNull()); // gone with the opening
    QCOMPARE(rig.random.draws, 2);
    QCOMPARE(window.RollCount(), qint16(2));
    QCOMPARE(window.RollNumber(), qint16(52));
    QCOMPARE(part<QLabel>(&window, "lblLabel")->text(), caption);
    QCOMPARE(frontPanel(window), QStringLiteral("Frame1"));

    // A second opening shows a box again, gone once closed.
    QPointer<frmAbout> second;
    bool secondShown = false;
    QTimer::singleShot(0, this, [&] {
        second = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        secondShown = second && second->isVisible();
        if (second)
            second->close();
    });
    part<QAction>(&window, "mnuAbout")->trigger();
    QVERIFY(secondShown);
    QVERIFY(second.isNull());
}

void TestFrmMain::everyControlHasAnAccessibleName()
{
    Rig rig;
    frmMain &window = rig.make();
    QVERIFY(showActive(window));
    // The covered panel and link (the hidden ones) and the box drawn around the die cannot be
    // reached at all; everything else is named.
    const auto reached = reachableInterfaces(window.centralWidget());
    const auto controls = window.centralWidget()->findChildren<QWidget *>();
    QCOMPARE(reached.size(), std::count_if(controls.begin(), controls.end(), [&](QWidget *control) {
                 return control->isVisible() && control != part(&window, "Shape1");
             }));
    for (QAccessibleInterface *accessible : reached) {
        const auto *control = qobject_cast<QWidget *>(accessible->object());
        QVERIFY(control);
        QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
        QVERIFY(control != part(&window, "Shape1"));
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(control->objectName()));
    }
    const QString die =
        QAccessible::queryAccessibleInterface(part(&window, "lblResult"))->text(QAccessible::Name);
    rig.random.values = {0.6f};
    QTest::mouseClick(part(&window, "cmdRoll"), Qt::LeftButton);
    const QString thrown =
        QAccessible::queryAccessibleInterface(part(&window, "lblResult"))->text(QAccessible::Name);
    QVERIFY(die != thrown);
    QVERIFY2(thrown.contains(QLatin1Char('4')), qPrintable(thrown));
}

void TestFrmMain::linkFocusCueStandsOut()
{
    Rig rig;
    frmMain &window = rig.make();
    QVERIFY(showActive(window));
    for (const char *name : {"Label61", "lblCobrand"}) {
        const double contrast = focusCueContrast(part(&window, name));
        QVERIFY2(contrast >= 3.0, qPrintable(QStringLiteral("%1: %2").arg(name).arg(contrast)));
    }
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"

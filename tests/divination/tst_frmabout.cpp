// SPDX-License-Identifier: MIT
#include "accessibilitychecks.h"
#include "divination/frmabout.h"
#include "fakeplatform.h"
#include "formgeometry.h"
#include "testenvironment.h"
#include "ui_frmabout.h"
#include "weblinks/weblinks.h"
#include "widgets/accessibility.h"
#include "widgets/apptitle.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

using Action = std::function<void(frmAbout &)>;

struct Rig
{
    RecordingBrowser browser;
    WebLinks links{browser};
    QWidget owner; // the main window's stand-in
    QPointer<frmAbout> box;

    frmAbout &make()
    {
        box = new frmAbout(links, &owner);
        return *box;
    }
    ~Rig() { delete box; }
};

template <class T = QWidget> T *part(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

Action clickOn(const char *name)
{
    return [name](frmAbout &box) { QTest::mouseClick(part(&box, name), Qt::LeftButton); };
}

Action key(Qt::Key code)
{
    return [code](frmAbout &box) { QTest::keyClick(&box, code); };
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestFrmAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installAccessibleInterfaces(); }
    void window();
    void geometry_data();
    void geometry();
    void texts();
    void closes_data();
    void closes();
    void linksLeaveItOpen_data();
    void linksLeaveItOpen();
    void everyControlHasAnAccessibleName();
    void linkFocusCueStandsOut();

private:
    // Shows the box modally and runs whileOpen once it is up; returns when exec() does.
    void runModal(frmAbout &box, const Action &whileOpen);

    TestEnvironment m_environment;
};

void TestFrmAbout::runModal(frmAbout &box, const Action &whileOpen)
{
    QPointer<frmAbout> guarded(&box);
    QTimer::singleShot(0, this, [guarded, whileOpen] {
        if (guarded && QTest::qWaitForWindowExposed(guarded))
            whileOpen(*guarded);
    });
    // Never hang the suite on a box that failed to close.
    QTimer::singleShot(5000, this, [guarded] {
        if (guarded && guarded->isVisible())
            guarded->hide();
    });
    box.exec();
}

void TestFrmAbout::window()
{
    Rig rig;
    frmAbout &box = rig.make();
    QCOMPARE(box.windowTitle(), windowTitle());
    LaidOutForm<QDialog, Ui::frmAbout> form;
    QCOMPARE(box.size(), form.form().size());
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QCOMPARE(box.windowType(), Qt::Dialog); // owned by the main window: no taskbar entry
    QCOMPARE(box.parentWidget(), &rig.owner);
    QVERIFY(!(box.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(box.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(box.isModal());
    QVERIFY(!box.windowIcon().isNull());
    QVERIFY(box.autoFillBackground());
    QCOMPARE(box.palette().color(QPalette::Window), QColor(Qt::white));

    auto *ok = part<QPushButton>(&box, "cmdOK");
    QVERIFY(ok->isDefault());
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(part<QLabel>(&box, "Picture1")->pixmap().deviceIndependentSize(), QSizeF(32, 32));
    QWidget *line = part(&box, "Line1");
    QCOMPARE(line->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(line->height(), 2);
    QVERIFY(line->x() <= 0 && line->x() + line->width() >= box.width());

    // Centred on the screen, not on its owner.
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint middle = box.screen()->availableGeometry().center();
    QVERIFY(qAbs(box.frameGeometry().center().x() - middle.x()) <= 1);
    QVERIFY(qAbs(box.frameGeometry().center().y() - middle.y()) <= 1);
    box.close();
}

void TestFrmAbout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("sizedToText");

    QTest::newRow("icon") << "Picture1" << false;
    QTest::newRow("title, sized to its text") << "Label2" << true;
    QTest::newRow("description") << "Label1" << false;
    QTest::newRow("offer") << "Label3" << false;
    QTest::newRow("details link, sized to its text") << "lblCoBrand" << true;
    QTest::newRow("OK") << "cmdOK" << false;
}

void TestFrmAbout::geometry()
{
    QFETCH(QString, name);
    QFETCH(bool, sizedToText);
    Rig rig;
    frmAbout &box = rig.make();
    LaidOutForm<QDialog, Ui::frmAbout> form;
    verifyLaidOut(box.findChild<QWidget *>(name), form.control(name), sizedToText);
}

void TestFrmAbout::texts()
{
    Rig rig;
    frmAbout &box = rig.make();
    QCOMPARE(part<QLabel>(&box, "Label2")->text(), windowTitle());
    QCOMPARE(part<QLabel>(&box, "Label1")->text(),
             QStringLiteral("Cubomancer is a simple divining tool that helps you find solutions "
                            "to your day-today problems."));
    QCOMPARE(part<QLabel>(&box, "Label3")->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                            "make money online. Get this software fully branded for your "
                            "website."));
    QCOMPARE(part<QAbstractButton>(&box, "lblCoBrand")->text(),
             QStringLiteral("Click here for more details"));

    // The address the home-page link opens, in full with its scheme.
    auto *home = part<QAbstractButton>(&box, "lblHomePage");
    QCOMPARE(home->text(), QStringLiteral("Click here to visit ") + WebLinks::homePageAddress());
    QVERIFY(home->text().contains(QLatin1String("Click here to visit http://")));
    QCOMPARE(home->size(), home->sizeHint());
    LaidOutForm<QDialog, Ui::frmAbout> form;
    const QWidget *laidOut = form.control(QStringLiteral("lblHomePage"));
    QCOMPARE(home->y(), laidOut->y());
    // Sized to its text, yet kept inside the text column whatever the host's length.
    const QWidget *column = part(&box, "Label3");
    QVERIFY(home->x() >= column->x());
    QVERIFY(home->geometry().right() <= column->geometry().right());
    QVERIFY(home->x() <= laidOut->x());

    const auto labels = box.findChildren<QWidget *>();
    for (const QWidget *label : labels) {
        if (!label->inherits("QLabel") && !label->inherits("LinkButton"))
            continue;
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(64, 64, 0));
        QVERIFY(!label->autoFillBackground());
        if (label->objectName() == QLatin1String("Picture1"))
            continue;
        const QString family = QFontInfo(label->font()).family();
        QVERIFY2(family == QLatin1String("Verdana") || family == QLatin1String("DejaVu Sans"),
                 qPrintable(family));
        QCOMPARE(label->font().pointSizeF(),
                 label->objectName() == QLatin1String("Label2") ? 9.75 : 8.25);
    }
    for (const char *link : {"lblHomePage", "lblCoBrand"}) {
        QVERIFY(part(&box, link)->font().underline());
        QCOMPARE(part(&box, link)->cursor().shape(), Qt::PointingHandCursor);
    }
}

void TestFrmAbout::closes_data()
{
    QTest::addColumn<Action>("action");
    QTest::newRow("OK clicked") << clickOn("cmdOK");
    QTest::newRow("Enter") << key(Qt::Key_Return);
    QTest::newRow("Enter on the keypad") << key(Qt::Key_Enter);
    QTest::newRow("Escape") << key(Qt::Key_Escape);
    QTest::newRow("close box") << Action([](frmAbout &box) { box.close(); });
}

void TestFrmAbout::closes()
{
    QFETCH(Action, action);
    Rig rig;
    frmAbout &box = rig.make();
    bool wasModal = false;
    runModal(box, [&](frmAbout &open) {
        wasModal = QApplication::activeModalWidget() == &open;
        action(open);
    });
    QVERIFY(wasModal);
    QVERIFY(rig.box);
    QVERIFY(!rig.box->isVisible());
    QCOMPARE(rig.browser.opened, QStringList());
}

void TestFrmAbout::linksLeaveItOpen_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<QString>("address");

    QTest::newRow("home page, clicked") << "lblHomePage" << false << WebLinks::homePageAddress();
    QTest::newRow("details, clicked: the fully-branded page, not co-branding")
        << "lblCoBrand" << false << WebLinks::fullBrandPageAddress();
    QTest::newRow("home page, Tab and Space")
        << "lblHomePage" << true << WebLinks::homePageAddress();
    QTest::newRow("details, Tab and Space")
        << "lblCoBrand" << true << WebLinks::fullBrandPageAddress();
}

void TestFrmAbout::linksLeaveItOpen()
{
    QFETCH(QString, link);
    QFETCH(bool, byKeyboard);
    QFETCH(QString, address);
    Rig rig;
    frmAbout &box = rig.make();
    bool openAfterLink = false;
    QStringList opened;
    runModal(box, [&](frmAbout &open) {
        QWidget *target = open.findChild<QWidget *>(link);
        if (byKeyboard) {
            open.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&open));
            // OK has the focus first; Tab walks on to the links.
            for (int i = 0; i < 3 && QApplication::focusWidget() != target; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(target, Qt::Key_Space);
        } else {
            QTest::mouseClick(target, Qt::LeftButton);
        }
        opened = rig.browser.opened;
        openAfterLink = open.isVisible();
        QTest::mouseClick(open.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    QCOMPARE(opened, QStringList{address});
    QVERIFY(openAfterLink);
    QCOMPARE(rig.browser.opened, QStringList{address});
}

void TestFrmAbout::everyControlHasAnAccessibleName()
{
    Rig rig;
    frmAbout &box = rig.make();
    box.show();
    // Every control but the two decorations, the icon and the line, is reached and named.
    const auto decorations = {box.findChild<QWidget *>(QStringLiteral("Picture1")),
                              box.findChild<QWidget *>(QStringLiteral("Line1"))};
    const auto reached = reachableInterfaces(&box);
    QCOMPARE(reached.size(), box.findChildren<QWidget *>().size() - int(decorations.size()));
    for (QAccessibleInterface *accessible : reached) {
        QVERIFY(!std::count(decorations.begin(), decorations.end(), accessible->object()));
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(accessible->object()->objectName()));
    }
    box.close();
}

void TestFrmAbout::linkFocusCueStandsOut()
{
    Rig rig;
    frmAbout &box = rig.make();
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    for (const char *name : {"lblHomePage", "lblCoBrand"}) {
        const double contrast = focusCueContrast(box.findChild<QWidget *>(QLatin1String(name)));
        QVERIFY2(contrast >= 3.0, qPrintable(QStringLiteral("%1: %2").arg(name).arg(contrast)));
    }
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"

// SPDX-License-Identifier: MIT
#include "testenvironment.h"
#include "widgets/formlook.h"
#include "widgets/linkbutton.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using Gesture = std::function<void(LinkButton &)>;

Q_DECLARE_METATYPE(Gesture)

class TestFormParts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void adoptFormFonts_data();
    void adoptFormFonts();
    void childrenFollowTheAdoptedFont();
    void sizedCaptionKeepsLeftAndTop();
    void keepWithin_data();
    void keepWithin();
    void centreOnScreen();
    void linkButton_data();
    void linkButton();

private:
    TestEnvironment m_environment;
};

void TestFormParts::adoptFormFonts_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<qreal>("adoptedPoints");

    QTest::newRow("Verdana 8 is the 11-pixel 8.25") << "Verdana" << 8 << 8.25;
    QTest::newRow("Verdana 10 is the 13-pixel 9.75") << "Verdana" << 10 << 9.75;
    QTest::newRow("Verdana 72 is whole already") << "Verdana" << 72 << 72.0;
    QTest::newRow("9 pt is 12 pixels already") << "Verdana" << 9 << 9.0;
    QTest::newRow("MS Sans Serif 8") << "MS Sans Serif" << 8 << 8.25;
}

void TestFormParts::adoptFormFonts()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(qreal, adoptedPoints);
    QWidget form;
    auto *label = new QLabel(&form);
    QFont font(family);
    font.setPointSize(points);
    font.setBold(true);
    label->setFont(font);

    ::adoptFormFonts(&form);
    QCOMPARE(label->font().pointSizeF(), adoptedPoints);
    QCOMPARE(label->font().family(), family);
    QVERIFY(label->font().bold());
    // A second call changes nothing.
    ::adoptFormFonts(&form);
    QCOMPARE(label->font().pointSizeF(), adoptedPoints);
}

void TestFormParts::childrenFollowTheAdoptedFont()
{
    QWidget form;
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(8);
    form.setFont(font);
    auto *inherits = new QLabel(&form);
    ::adoptFormFonts(&form);
    QCOMPARE(inherits->font().pointSizeF(), 8.25);
    QCOMPARE(inherits->font().family(), QStringLiteral("Verdana"));
    QVERIFY(!inherits->testAttribute(Qt::WA_SetFont));
}

void TestFormParts::sizedCaptionKeepsLeftAndTop()
{
    QWidget form;
    auto *label = new QLabel(&form);
    label->setGeometry(30, 40, 5, 5);
    setSizedCaption(label, QStringLiteral("Roll Your Dice 0 Times"));
    QCOMPARE(label->pos(), QPoint(30, 40));
    QCOMPARE(label->size(), label->sizeHint());
    const int longWidth = label->width();
    setSizedCaption(label, QStringLiteral("Roll Your Dice 1 Time"));
    QCOMPARE(label->pos(), QPoint(30, 40));
    QVERIFY(label->width() < longWidth);
    // No padding: the text's own width, give or take the rounding of its bounding box.
    QVERIFY(qAbs(label->width() - label->fontMetrics().horizontalAdvance(label->text())) <= 1);
}

void TestFormParts::keepWithin_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("expectedX");

    // The column runs from 8 to 461 of a form 471 wide; right to left, everything is mirrored.
    const QList<std::tuple<const char *, int, int, int>> rows{
        {"fits: stays", 191, 250, 191},
        {"ends exactly at the edge: stays", 191, 270, 191},
        {"overhangs: moves back just enough", 191, 300, 161},
        {"wider than the column: stops at the edge it starts from", 191, 500, 8}};
    for (const auto &[name, x, width, expectedX] : rows) {
        QTest::addRow("%s", name) << Qt::LeftToRight << x << width << expectedX;
        QTest::addRow("%s, right to left", name)
            << Qt::RightToLeft << 471 - x - width << width << 471 - expectedX - width;
    }
}

void TestFormParts::keepWithin()
{
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(int, x);
    QFETCH(int, width);
    QFETCH(int, expectedX);
    QWidget form;
    form.setLayoutDirection(direction);
    form.resize(471, 178);
    auto *child = new QWidget(&form);
    child->setGeometry(x, 65, width, 13);
    const bool mirrored = direction == Qt::RightToLeft;
    ::keepWithin(child, mirrored ? 471 - 461 : 8, mirrored ? 471 - 8 : 461);
    QCOMPARE(child->pos(), QPoint(expectedX, 65));
    QCOMPARE(child->width(), width);
}

void TestFormParts::centreOnScreen()
{
    QWidget window;
    window.resize(300, 200);
    window.move(0, 0);
    ::centreOnScreen(&window);
    const QRect available = window.screen()->availableGeometry();
    QCOMPARE(window.pos(), QPoint(available.x() + (available.width() - 300) / 2,
                                  available.y() + (available.height() - 200) / 2));
}

void TestFormParts::linkButton_data()
{
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left click") << Gesture([](LinkButton &l) {
        QTest::mouseClick(&l, Qt::LeftButton);
    }) << 1;
    QTest::newRow("Space") << Gesture([](LinkButton &l) { QTest::keyClick(&l, Qt::Key_Space); })
                           << 1;
    QTest::newRow("Return") << Gesture([](LinkButton &l) { QTest::keyClick(&l, Qt::Key_Return); })
                            << 1;
    QTest::newRow("Enter on the keypad")
        << Gesture([](LinkButton &l) { QTest::keyClick(&l, Qt::Key_Enter, Qt::KeypadModifier); })
        << 1;
    QTest::newRow("Ctrl+Return") << Gesture([](LinkButton &l) {
        QTest::keyClick(&l, Qt::Key_Return, Qt::ControlModifier);
    }) << 0;
    QTest::newRow("a letter") << Gesture([](LinkButton &l) { QTest::keyClick(&l, Qt::Key_A); })
                              << 0;
}

void TestFormParts::linkButton()
{
    QFETCH(Gesture, gesture);
    QFETCH(int, clicks);
    QWidget window;
    auto *link = new LinkButton(&window);
    link->setText(QStringLiteral("Click here for more details"));
    link->setGeometry(10, 10, 200, 20);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(link->focusPolicy() & Qt::TabFocus);
    QSignalSpy spy(link, &LinkButton::clicked);
    QVERIFY(spy.isValid());
    gesture(*link);
    QCOMPARE(spy.count(), clicks);
}

QTEST_MAIN(TestFormParts)
#include "tst_formparts.moc"

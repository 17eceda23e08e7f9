// SPDX-License-Identifier: MIT
// Every text of every window stays legible whatever the desktop's colours: the colour a text is
// painted with and the background it is painted on differ as much as WCAG 2.x asks. Fields show
// their text whole whatever the desktop's font.
#include "accessibilitychecks.h"
#include "divination/frmabout.h"
#include "divination/frmmain.h"
#include "fakeplatform.h"
#include "farewell/frmfarewell.h"
#include "platform/messageboxes.h"
#include "testenvironment.h"
#include "weblinks/weblinks.h"
#include "widgets/apptitle.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

struct Stage
{
    FakePlatform fake;
    WebLinks links{fake.browser};
};

// Checks one window and closes it; message boxes are modal, so they are checked from within.
using Check = std::function<void(QWidget *)>;
using Scene = std::function<void(Stage &, const Check &)>;

void checkWindow(QWidget *window, const Check &check)
{
    window->show();
    check(window);
    delete window;
}

// A dark desktop theme, as Breeze Dark or qt6ct's "darker" set it: Qt derives light text on
// dark ground from the dark button colour.
QPalette darkPalette()
{
    return QPalette(QColor(49, 54, 59));
}

// 18 pt and up, or 14 pt bold and up.
bool isLargeText(const QFont &font)
{
    const qreal points = QFontInfo(font).pointSizeF();
    return points >= 18.0 || (font.bold() && points >= 14.0);
}

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    if (const auto *field = qobject_cast<const QLineEdit *>(widget))
        return field->text();
    return QString();
}

// The colours a widget's text is painted in and on: fields and push buttons paint their own
// ground; labels, check boxes and frame captions sit on the nearest filled ancestor.
std::pair<QColor, QColor> paintedColours(const QWidget *widget)
{
    const QPalette &palette = widget->palette();
    if (qobject_cast<const QLineEdit *>(widget))
        return {palette.color(QPalette::Text), palette.color(QPalette::Base)};
    if (qobject_cast<const QPushButton *>(widget))
        return {palette.color(QPalette::ButtonText), palette.color(QPalette::Button)};
    const QWidget *ground = widget;
    while (!ground->isWindow() && !ground->autoFillBackground())
        ground = ground->parentWidget();
    return {palette.color(widget->foregroundRole()),
            ground->palette().color(ground->backgroundRole())};
}

// A line of the field's font fits inside its frame, descenders included.
bool lineFits(const QLineEdit *field)
{
    QStyleOptionFrame frame;
    frame.initFrom(field);
    frame.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, field);
    const QRect inside = field->style()->subElementRect(QStyle::SE_LineEditContents, &frame, field);
    return QFontMetrics(field->font()).height() <=
           inside.marginsRemoved(field->textMargins()).height();
}

void expectLegible(QWidget *window)
{
    int texts = 0;
    const auto widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        // Greyed-out controls are exempt, as are hidden (covered) ones.
        if (!widget->isVisibleTo(window) || !widget->isEnabled() || shownText(widget).isEmpty())
            continue;
        ++texts;
        if (const auto *field = qobject_cast<const QLineEdit *>(widget))
            QVERIFY2(lineFits(field),
                     qPrintable(field->objectName() + QStringLiteral(" cuts its text")));
        const auto [text, ground] = paintedColours(widget);
        const double needed = isLargeText(widget->font()) ? 3.0 : 4.5;
        const double ratio = contrastRatio(text, ground);
        if (ratio < needed)
            QFAIL(qPrintable(QStringLiteral("%1: %2 on %3 is %4 : 1, needs %5 : 1")
                                 .arg(widget->objectName(), text.name(), ground.name())
                                 .arg(ratio, 0, 'f', 2)
                                 .arg(needed)));
    }
    QVERIFY2(texts > 0, "no text found");
}

} // namespace

Q_DECLARE_METATYPE(Scene)

class TestLegibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextReads_data();
    void everyTextReads();
    void cleanup() { QApplication::setPalette(QApplication::style()->standardPalette()); }

private:
    TestEnvironment m_environment;
};

void TestLegibility::everyTextReads_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<bool>("dark");

    const QList<std::pair<const char *, Scene>> scenes{
        {"main, roll panel in front",
         [](Stage &s, const Check &check) {
             checkWindow(new frmMain(s.fake.random, s.links), check);
         }},
        {"main, result panel in front",
         [](Stage &s, const Check &check) {
             auto *window = new frmMain(s.fake.random, s.links);
             auto *roll = window->findChild<QPushButton *>(QStringLiteral("cmdRoll"));
             while (roll->isVisibleTo(window))
                 roll->click();
             checkWindow(window, check);
         }},
        {"About box",
         [](Stage &s, const Check &check) { checkWindow(new frmAbout(s.links), check); }},
        {"farewell screen, large desktop font",
         [](Stage &s, const Check &check) {
             const QFont desktop = QApplication::font();
             QApplication::setFont(QFont(desktop.family(), 14));
             checkWindow(new frmFarewell(s.fake.messages, s.fake.random, s.links), check);
             QApplication::setFont(desktop);
         }},
        {"message box",
         [](Stage &, const Check &check) {
             QTimer::singleShot(0, qApp, [check] {
                 QWidget *box = QApplication::activeModalWidget();
                 if (box == nullptr)
                     return;
                 check(box);
                 box->close();
             });
             QtMessageBoxes(applicationTitle())
                 .show(QStringLiteral("Please Enter Proper Email Address"), MessageIcon::Stop,
                       MessageButtons::Ok);
         }},
    };
    for (const auto &[name, scene] : scenes) {
        QTest::addRow("%s, light desktop", name) << scene << false;
        QTest::addRow("%s, dark desktop", name) << scene << true;
    }
}

void TestLegibility::everyTextReads()
{
    QFETCH(Scene, scene);
    QFETCH(bool, dark);
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());

    Stage stage;
    bool checked = false;
    scene(stage, [&checked](QWidget *window) {
        checked = true;
        expectLegible(window);
    });
    QVERIFY(checked);
}

QTEST_MAIN(TestLegibility)
#include "tst_legibility.moc"

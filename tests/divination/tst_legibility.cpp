// SPDX-License-Identifier: MIT
// Every text of every window stays legible whatever the desktop's colours: the colour a text is
// painted with and the background it is painted on differ as much as WCAG 2.x asks. Fields show
// their text whole whatever the desktop's font. In every language, every caption fits its box at
// the default fonts, no word is cut where a script has no spaces, every character has a glyph, no
// English text is left where a catalogue translates, and a right-to-left language mirrors every
// placed control.
#include "accessibilitychecks.h"
#include "app/translations.h"
#include "divination/frmabout.h"
#include "divination/frmmain.h"
#include "divination/readingtable.h"
#include "fakeplatform.h"
#include "farewell/frmfarewell.h"
#include "platform/messageboxes.h"
#include "testenvironment.h"
#include "weblinks/updatereminder.h"
#include "weblinks/weblinks.h"
#include "widgets/apptitle.h"
#include "widgets/linkbutton.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>

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

// A line of the field's font fits inside its frame, descenders included, and so does its prompt.
bool lineFits(const QLineEdit *field)
{
    QStyleOptionFrame frame;
    frame.initFrom(field);
    frame.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, field);
    const QRect inside = field->style()
                             ->subElementRect(QStyle::SE_LineEditContents, &frame, field)
                             .marginsRemoved(field->textMargins());
    const QFontMetrics metrics(field->font());
    return metrics.height() <= inside.height() &&
           metrics.horizontalAdvance(field->text()) <= inside.width();
}

// The room a control gives its caption.
QRect captionRoom(const QWidget *widget)
{
    QStyleOptionButton option;
    option.initFrom(widget);
    const bool checkBox = qobject_cast<const QCheckBox *>(widget) != nullptr;
    return checkBox || qobject_cast<const QPushButton *>(widget)
               ? widget->style()->subElementRect(checkBox ? QStyle::SE_CheckBoxContents
                                                          : QStyle::SE_PushButtonContents,
                                                 &option, widget)
               : widget->contentsRect();
}

bool wraps(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    return label ? label->wordWrap() : qobject_cast<const LinkButton *>(widget) != nullptr;
}

// The caption, wrapped where its control wraps, lies within the room its control gives it, and
// the control within its container. Fields are lineFits' concern.
bool captionFits(const QWidget *widget)
{
    const QRect room = captionRoom(widget);
    const QRect needed =
        QFontMetrics(widget->font())
            .boundingRect(room, Qt::TextShowMnemonic | (wraps(widget) ? Qt::TextWordWrap : 0),
                          shownText(widget));
    return room.contains(needed) &&
           (widget->isWindow() || widget->parentWidget()->rect().contains(widget->geometry()));
}

// Thai writes no spaces between words, and a Qt without a Thai dictionary (the Windows one) would
// break its lines anywhere: a wrapped Thai caption breaks only where its catalogue marks a break,
// at a space or a zero-width space, never inside a word.
bool wordsWhole(const QWidget *widget)
{
    QString text = shownText(widget).remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    if (!wraps(widget) || std::none_of(text.cbegin(), text.cend(),
                                       [](QChar c) { return c.script() == QChar::Script_Thai; }))
        return true;
    QTextLayout layout(text, widget->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(captionRoom(widget).width());
    layout.endLayout();
    for (int i = 1; i < layout.lineCount(); ++i) {
        const QChar before = text.at(layout.lineAt(i).textStart() - 1);
        if (!before.isSpace() && before != QChar(0x200B))
            return false;
    }
    return true;
}

// Each character is drawn by the widget's font or one Qt falls back on, never as an empty box.
bool everyGlyphDrawn(const QWidget *widget)
{
    QTextLayout layout(shownText(widget).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                       widget->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const auto runs = layout.glyphRuns();
    return std::none_of(runs.cbegin(), runs.cend(),
                        [](const QGlyphRun &run) { return run.glyphIndexes().contains(0); });
}

// Where each control that the form places by hand (not a layout, nor its control itself)
// stands in its container, measured from the side its reading starts from.
QList<QRect> placesOf(const QWidget *window)
{
    QList<QRect> places;
    const auto widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (widget->isWindow() || widget->parentWidget()->layout() != nullptr ||
            widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect place = widget->geometry();
        const int start = widget->isRightToLeft()
                              ? widget->parentWidget()->width() - place.x() - place.width()
                              : place.x();
        places << QRect(QPoint(start, place.y()), place.size());
    }
    return places;
}

// Every text a window shows or hands to a screen reader, in an order that only the window's
// make-up decides.
QStringList textsOf(const QWidget *window)
{
    QStringList texts{window->windowTitle()};
    const auto widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets)
        texts << shownText(widget) << widget->accessibleName() << widget->accessibleDescription();
    const auto actions = window->findChildren<QAction *>();
    for (const QAction *action : actions)
        texts << action->text();
    return texts;
}

void expectLegible(QWidget *window, bool atDefaultFonts)
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
        else if (atDefaultFonts)
            QVERIFY2(captionFits(widget),
                     qPrintable(widget->objectName() + QStringLiteral(" cuts its caption")));
        QVERIFY2(wordsWhole(widget),
                 qPrintable(widget->objectName() + QStringLiteral(" cuts a word")));
        QVERIFY2(everyGlyphDrawn(widget),
                 qPrintable(widget->objectName() + QStringLiteral(" lacks a glyph")));
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
    if (const auto *menus = window->findChild<const QMenuBar *>(); menus && atDefaultFonts)
        QVERIFY2(menus->sizeHint().width() <= menus->width(), "the menu bar overflows");
}

// The language of every catalogue built into the program.
QStringList builtInLanguages()
{
    QStringList languages =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("cubomancer_*")});
    for (QString &file : languages)
        file = file.section(QLatin1Char('_'), 1).chopped(3);
    return languages;
}

// Captions need to fit at the default fonts only.
const char largeFont[] = "large desktop font";

} // namespace

Q_DECLARE_METATYPE(Scene)

class TestLegibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextReads_data();
    void everyTextReads();
    void qtsOwnTextsTranslated_data();
    void qtsOwnTextsTranslated();
    void cleanup() { QApplication::setPalette(QApplication::style()->standardPalette()); }

private:
    TestEnvironment m_environment;
};

void TestLegibility::everyTextReads_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("language"); // none: the texts as written

    const QList<std::pair<const char *, Scene>> scenes{
        {"main, roll panel in front",
         [](Stage &s, const Check &check) {
             checkWindow(new frmMain(s.fake.random, s.links), check);
         }},
        {"main, every reading in front",
         [](Stage &s, const Check &check) {
             auto *window = new frmMain(s.fake.random, s.links);
             auto *roll = window->findChild<QPushButton *>(QStringLiteral("cmdRoll"));
             while (roll->isVisibleTo(window))
                 roll->click();
             window->show();
             for (const auto &entry : readingTable) {
                 window->findChild<QLabel *>(QStringLiteral("lblDesc"))
                     ->setText(*FindReading(QLatin1String(entry.pattern)));
                 check(window);
             }
             delete window;
         }},
        {"About box",
         [](Stage &s, const Check &check) { checkWindow(new frmAbout(s.links), check); }},
        {"farewell screen",
         [](Stage &s, const Check &check) {
             checkWindow(new frmFarewell(s.fake.messages, s.fake.random, s.links), check);
         }},
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
                 .show(UpdateReminder::questionText(), MessageIcon::Information,
                       MessageButtons::YesNo);
         }},
    };
    const QStringList languages = builtInLanguages();
    for (const auto &[name, scene] : scenes) {
        QTest::addRow("%s, light desktop", name) << scene << false << QString();
        QTest::addRow("%s, dark desktop", name) << scene << true << QString();
        if (QByteArray(name).contains(largeFont))
            continue;
        for (const QString &language : std::as_const(languages))
            QTest::addRow("%s, %s", name, qPrintable(language)) << scene << false << language;
    }
}

void TestLegibility::everyTextReads()
{
    QFETCH(Scene, scene);
    QFETCH(bool, dark);
    QFETCH(QString, language);
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    const bool atDefaultFonts = !QByteArray(QTest::currentDataTag()).contains(largeFont);
    QList<QRect> places;
    // The window's: the catalogue holds the window's texts under its name, and Qt's buttons
    // under QPlatformTheme.
    QByteArray context;
    const auto textsShown = [&scene, &places, &context, atDefaultFonts] {
        Stage stage;
        QStringList texts;
        scene(stage, [&](QWidget *window) {
            texts = textsOf(window);
            places = placesOf(window);
            context = window->metaObject()->className();
            expectLegible(window, atDefaultFonts);
        });
        return texts;
    };
    const QStringList english = textsShown();
    const QList<QRect> englishPlaces = places;
    QVERIFY(!english.isEmpty());
    if (language.isEmpty())
        return;
    // A catalogue that did not load leaves every text in English.
    const QList<QTranslator *> translators = installTranslations(*qApp, QLocale(language));
    const auto uninstall = qScopeGuard([&translators] { qDeleteAll(translators); });
    QCOMPARE(QGuiApplication::isRightToLeft(),
             QLocale(language).textDirection() == Qt::RightToLeft);
    const QStringList shown = textsShown();
    // Measured from where reading starts, every placed control of a fixed size stands where it
    // stands in English: right to left, the mirror image.
    QCOMPARE(places.size(), englishPlaces.size());
    for (qsizetype i = 0; i < places.size(); ++i) {
        if (places.at(i).size() == englishPlaces.at(i).size())
            QCOMPARE(places.at(i), englishPlaces.at(i));
    }
    QCOMPARE(shown.size(), english.size());
    const QTranslator *const program = translators.value(0);
    QStringList leftInEnglish;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        // The titles, the die's digits and the word OK read the same in every language, as does
        // a word the catalogue itself keeps (Italian menus say File).
        const QString &text = english.at(i);
        const bool kept = program != nullptr &&
                          (!program->translate(context, qPrintable(text)).isEmpty() ||
                           !program->translate("QPlatformTheme", qPrintable(text)).isEmpty());
        if (shown.at(i) == text && !text.isEmpty() && text.toInt() == 0 && text != windowTitle() &&
            text != applicationTitle() && text != QLatin1String("OK") && !kept)
            leftInEnglish << text;
    }
    QVERIFY2(leftInEnglish.isEmpty(), qPrintable(leftInEnglish.join(QStringLiteral(" | "))));
}

void TestLegibility::qtsOwnTextsTranslated_data()
{
    QTest::addColumn<QString>("language");
    const QStringList languages = builtInLanguages();
    for (const QString &language : languages)
        QTest::addRow("%s", qPrintable(language)) << language;
}

// The fields' context menus and the message boxes' buttons are Qt's: in a language Qt has no
// catalogue for, the program's own gives them, so that they never stand in English around
// the language's texts.
void TestLegibility::qtsOwnTextsTranslated()
{
    QFETCH(QString, language);
    const auto qtsTexts = [] {
        QLineEdit field;
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList texts{QCoreApplication::translate("QPlatformTheme", "&Yes"),
                          QCoreApplication::translate("QPlatformTheme", "&No")};
        const auto actions = menu->actions();
        for (const QAction *action : actions)
            texts << action->text().section(QLatin1Char('\t'), 0, 0);
        return texts;
    };
    const QStringList english = qtsTexts();
    const QList<QTranslator *> translators = installTranslations(*qApp, QLocale(language));
    const auto uninstall = qScopeGuard([&translators] { qDeleteAll(translators); });
    const QStringList shown = qtsTexts();
    QCOMPARE(shown.size(), english.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        // A word the language writes as English does ("No" in Spanish) is one a catalogue keeps.
        const QByteArray source = english.at(i).toUtf8();
        const bool kept = std::any_of(translators.cbegin(), translators.cend(), [&](auto *t) {
            return !t->translate(i < 2 ? "QPlatformTheme" : "QLineEdit", source).isEmpty();
        });
        QVERIFY2(english.at(i).isEmpty() || shown.at(i) != english.at(i) || kept, source);
    }
}

QTEST_MAIN(TestLegibility)
#include "tst_legibility.moc"

// SPDX-License-Identifier: MIT
#include "platform/messageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(MessageIcon)
Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MessageAnswer)

// The real boxes, shown modally and answered from the keyboard while they are up.
class TestMessageBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxAsShownAndAnswered_data();
    void boxAsShownAndAnswered();
};

void TestMessageBoxes::boxAsShownAndAnswered_data()
{
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("qtIcon");
    QTest::addColumn<int>("shownButtons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("escapeButton");
    QTest::addColumn<MessageAnswer>("answer");

    const int ok = QMessageBox::Ok, yes = QMessageBox::Yes, no = QMessageBox::No;
    QTest::newRow("information, Enter on OK")
        << MessageIcon::Information << MessageButtons::Ok << int(Qt::Key_Return)
        << int(QMessageBox::Information) << ok << ok << ok << MessageAnswer::Ok;
    QTest::newRow("refusal with the stop icon, Escape on OK")
        << MessageIcon::Stop << MessageButtons::Ok << int(Qt::Key_Escape)
        << int(QMessageBox::Critical) << ok << ok << ok << MessageAnswer::Ok;
    QTest::newRow("question, Enter answers Yes")
        << MessageIcon::Information << MessageButtons::YesNo << int(Qt::Key_Return)
        << int(QMessageBox::Information) << (yes | no) << yes << no << MessageAnswer::Yes;
    QTest::newRow("question, Escape answers No")
        << MessageIcon::Information << MessageButtons::YesNo << int(Qt::Key_Escape)
        << int(QMessageBox::Information) << (yes | no) << yes << no << MessageAnswer::No;
}

void TestMessageBoxes::boxAsShownAndAnswered()
{
    QFETCH(MessageIcon, icon);
    QFETCH(MessageButtons, buttons);
    QFETCH(int, key);

    QWidget owner;
    // Markup stays text: the box shows exactly what it is given.
    const QString text = QStringLiteral("Please Enter <b>Your</b> Name\nsecond line");
    bool shown = false;
    QWidget *shownParent = nullptr;
    QString caption, shownText;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons shownButtons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
    QTimer::singleShot(0, this, [&] {
        auto *seen = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (seen == nullptr)
            return;
        shown = seen->isVisible();
        shownParent = seen->parentWidget();
        caption = seen->windowTitle();
        shownText = seen->text();
        shownIcon = seen->icon();
        format = seen->textFormat();
        shownButtons = seen->standardButtons();
        defaultButton = seen->standardButton(seen->defaultButton());
        if (auto *escape = qobject_cast<QPushButton *>(seen->escapeButton()))
            escapeButton = seen->standardButton(escape);
        QTest::keyClick(seen, Qt::Key(key));
    });
    // Never hang the suite on a box that failed to close.
    QTimer::singleShot(5000, this, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });

    const QString title = QStringLiteral("Caption of every box");
    QtMessageBoxes boxes(title);
    const MessageAnswer answer = boxes.show(text, icon, buttons, &owner);

    QVERIFY(shown);
    QCOMPARE(shownParent, &owner);
    QCOMPARE(caption, title);
    QCOMPARE(shownText, text);
    QCOMPARE(format, Qt::PlainText);
    QTEST(int(shownIcon), "qtIcon");
    QTEST(int(shownButtons), "shownButtons");
    QTEST(int(defaultButton), "defaultButton");
    QTEST(int(escapeButton), "escapeButton");
    QTEST(answer, "answer");
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"

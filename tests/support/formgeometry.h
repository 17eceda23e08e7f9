// SPDX-License-Identifier: MIT
#pragma once

#include <QTest>
#include <QWidget>

// A form as its .ui file lays it out, set up on a bare widget that no window code has touched:
// the one source of the windows' places and sizes.
template <class Form, class Ui> class LaidOutForm
{
public:
    LaidOutForm() { m_ui.setupUi(&m_form); }

    Form &form() { return m_form; }
    QWidget *control(const QString &name) { return m_form.template findChild<QWidget *>(name); }

private:
    Form m_form;
    Ui m_ui;
};

// The control stands where the form lays it out; a label or link sized to its text keeps the form's
// left and top edges and takes the size of its text. Check QTest::currentTestFailed() after.
inline void verifyLaidOut(const QWidget *control, const QWidget *laidOut, bool sizedToText)
{
    QVERIFY(control);
    QVERIFY(laidOut);
    QCOMPARE(control->pos(), laidOut->pos());
    if (sizedToText) {
        QCOMPARE(control->size(), control->sizeHint());
    } else {
        QCOMPARE(control->size(), laidOut->size());
    }
}

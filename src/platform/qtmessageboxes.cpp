// SPDX-License-Identifier: MIT
#include "qtmessageboxes.h"

#include "apptitle.h"

#include <QLabel>
#include <QMessageBox>

MessageAnswer QtMessageBoxes::show(const QString &text, MessageIcon icon, MessageButtons buttons,
                                   QWidget *parent)
{
    const QMessageBox::Icon qtIcon =
        icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(qtIcon, applicationTitle(), text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    // A screen reader says what the icon means instead of passing over an unnamed picture.
    if (auto *iconLabel = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
        iconLabel->setAccessibleName(icon == MessageIcon::Stop ? QStringLiteral("Stop")
                                                               : QStringLiteral("Information"));
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

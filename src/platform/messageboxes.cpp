// SPDX-License-Identifier: MIT
#include "messageboxes.h"

#include <QMessageBox>

MessageAnswer QtMessageBoxes::show(const QString &text, MessageIcon icon, MessageButtons buttons,
                                   QWidget *parent)
{
    const QMessageBox::Icon qtIcon =
        icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(qtIcon, m_title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
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

// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

enum class MessageIcon { Information, Stop };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes. Every box carries the application title as its caption; with Yes and No,
// Yes is the default button. The call returns once the user has dismissed the box.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons,
                               QWidget *parent = nullptr) = 0;
};

class QtMessageBoxes final : public MessageBoxes
{
public:
    explicit QtMessageBoxes(const QString &title) : m_title(title) {}

    MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons,
                       QWidget *parent = nullptr) override;

private:
    QString m_title;
};

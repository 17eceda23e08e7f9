// SPDX-License-Identifier: MIT
#pragma once

#include "messageboxes.h"

class QtMessageBoxes final : public MessageBoxes
{
public:
    MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons,
                       QWidget *parent = nullptr) override;
};

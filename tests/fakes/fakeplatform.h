// SPDX-License-Identifier: MIT
#pragma once

// Test doubles for every platform interface, and a FakePlatform bundling them.

#include "platform/browser.h"
#include "platform/messageboxes.h"
#include "platform/processend.h"
#include "platform/randomsource.h"

#include <QList>
#include <QStringList>

#include <functional>

// Records every address instead of opening it.
class RecordingBrowser final : public Browser
{
public:
    void open(const QString &address) override { opened.append(address); }
    QStringList opened;
};

// Answers message boxes from a script (Ok, or Yes when the script runs dry) and records them.
class ScriptedMessageBoxes final : public MessageBoxes
{
public:
    struct Shown
    {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons,
                       QWidget *) override
    {
        shown.append({text, icon, buttons});
        if (onShow)
            onShow(text);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown &box : shown)
            result.append(box.text);
        return result;
    }

    QList<MessageAnswer> answers;
    QList<Shown> shown;
    std::function<void(const QString &)> onShow; // runs while the box is "open"
};

// Yields the given values in turn, then repeats the last one (0 when none is given).
class ScriptedRandom final : public RandomSource
{
public:
    void reseed(std::uint64_t seed) override { seeds.append(seed); }
    float next() override
    {
        ++draws;
        if (values.isEmpty())
            return last;
        last = values.takeFirst();
        return last;
    }
    QList<float> values;
    QList<std::uint64_t> seeds;
    int draws = 0;
    float last = 0.0f;
};

// Records the request; control comes back to the caller, unlike the real one.
class RecordingProcessEnd final : public ProcessEnd
{
public:
    void endProcess(int status) override
    {
        statuses.append(status);
        if (onEnd)
            onEnd();
    }
    QList<int> statuses;
    std::function<void()> onEnd;
};

struct FakePlatform
{
    RecordingBrowser browser;
    ScriptedMessageBoxes messages;
    ScriptedRandom random;
    RecordingProcessEnd processEnd;
};

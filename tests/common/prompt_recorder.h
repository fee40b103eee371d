#pragma once
// Collects every message the program would show, instead of opening a modal box.
#include "core/prompt.h"

#include <QList>
#include <QStringList>

class Prompt_Recorder
{
public:
    Prompt_Recorder()
    {
        old = Set_Prompt_Handler([this](const Prompt_Message &m) { messages.append(m); });
    }
    ~Prompt_Recorder() { Set_Prompt_Handler(old); }
    Prompt_Recorder(const Prompt_Recorder &) = delete;
    Prompt_Recorder &operator=(const Prompt_Recorder &) = delete;

    QStringList texts() const
    {
        QStringList out;
        for (const Prompt_Message &m : messages)
            out.append(m.text);
        return out;
    }
    QStringList titles() const
    {
        QStringList out;
        for (const Prompt_Message &m : messages)
            out.append(m.title);
        return out;
    }
    void clear() { messages.clear(); }

    QList<Prompt_Message> messages;

private:
    Prompt_Handler old;
};

#pragma once
// The two seams between the core and whatever shows things to the user.
//
// Prompt: every message box of the program goes through Prompt(). The program installs a handler that
// shows a modal warning box with one OK button; tests install a recorder that returns at once.
//
// Status: windows set a status-bar panel (1..8) through Set_Status(); the main window installs the
// handler that writes its panels.
#include <QString>
#include <functional>

struct Prompt_Message
{
    QString text;
    QString title;
    QString detail;   // operating-system reason and the like, for the box's detailed text
};

using Prompt_Handler = std::function<void(const Prompt_Message &)>;
using Status_Handler = std::function<void(int panel, const QString &text)>;

// The default title in the current language: "Operate prompt" / "操作提示".
QString Prompt_Title();
// Shows a message; an empty title means the default title.
void Prompt(const QString &text, const QString &title = QString(), const QString &detail = QString());
// Installs the handler and returns the previous one.
Prompt_Handler Set_Prompt_Handler(Prompt_Handler handler);

void Set_Status(int panel, const QString &text);
Status_Handler Set_Status_Handler(Status_Handler handler);

#include "prompt.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
Prompt_Handler prompt_handler;
Status_Handler status_handler;
} // namespace

QString Prompt_Title()
{
    return QCoreApplication::translate("Prompt", "Operate prompt");
}

void Prompt(const QString &text, const QString &title, const QString &detail)
{
    const Prompt_Message m{text, title.isEmpty() ? Prompt_Title() : title, detail};
    if (prompt_handler) {
        prompt_handler(m);
        return;
    }
    // No window system attached (core tools): the message still reaches the user.
    std::fprintf(stderr, "%s: %s\n", qPrintable(m.title), qPrintable(m.text));
}

Prompt_Handler Set_Prompt_Handler(Prompt_Handler handler)
{
    Prompt_Handler old = std::move(prompt_handler);
    prompt_handler = std::move(handler);
    return old;
}

void Set_Status(int panel, const QString &text)
{
    if (status_handler)
        status_handler(panel, text);
}

Status_Handler Set_Status_Handler(Status_Handler handler)
{
    Status_Handler old = std::move(status_handler);
    status_handler = std::move(handler);
    return old;
}

#include "prompt_box.h"

#include "core/prompt.h"

#include <QApplication>
#include <QMessageBox>

void Install_Prompt_Box()
{
    Set_Prompt_Handler([](const Prompt_Message &m) {
        QMessageBox box(QMessageBox::Warning, m.title, m.text, QMessageBox::Ok,
                        QApplication::activeWindow());
        if (!m.detail.isEmpty())
            box.setDetailedText(m.detail);
        box.exec();
    });
}

#include "language.h"

#include "globals.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void Install_Language()
{
    static QTranslator *ours = nullptr;
    static QTranslator *qt = nullptr;
    if (!ours) {
        ours = new QTranslator(QCoreApplication::instance());
        qt = new QTranslator(QCoreApplication::instance());
        if (!ours->load(QStringLiteral(":/i18n/radioprog_zh_CN.qm")))
            qWarning("Chinese texts are missing from the program's resources");
        // Qt's own texts are optional: without them standard buttons stay in English.
        (void)qt->load(QStringLiteral("qtbase_zh_CN"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    QCoreApplication::removeTranslator(ours);
    QCoreApplication::removeTranslator(qt);
    if (Lang_Flag != 0) {
        QCoreApplication::installTranslator(qt);
        QCoreApplication::installTranslator(ours);
    }
}

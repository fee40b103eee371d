#include "language.h"

#include "globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

void Install_Language()
{
    static QList<QTranslator *> translators;
    static bool loaded = false;
    if (!loaded) {
        loaded = true;
        // Qt's own texts are optional: without them standard buttons stay in English.
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            translators.append(qt);
        const QStringList ours = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")});
        for (const QString &file : ours) {
            auto *t = new QTranslator(QCoreApplication::instance());
            if (t->load(QStringLiteral(":/i18n/") + file))
                translators.append(t);
        }
        if (ours.isEmpty())
            qWarning("Chinese texts are missing from the program's resources");
    }
    for (QTranslator *t : std::as_const(translators))
        QCoreApplication::removeTranslator(t);
    if (Lang_Flag != 0)
        for (QTranslator *t : std::as_const(translators))
            QCoreApplication::installTranslator(t);
}

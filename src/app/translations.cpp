// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The program's catalogues are built into it. Qt's own come with Qt: a build that carries them
// (the Windows one) has them built in too, otherwise they are in Qt's translations folder.
const QString builtIn = QStringLiteral(":/i18n");

QTranslator *loaded(QCoreApplication &application, const QLocale &language, const QString &name,
                    const QStringList &folders)
{
    auto *translator = new QTranslator(&application);
    for (const QString &folder : folders) {
        if (translator->load(language, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return translator;
        }
    }
    delete translator;
    return nullptr;
}

} // namespace

QList<QTranslator *> installTranslations(QCoreApplication &application, const QLocale &locale)
{
    const QStringList languages = locale.uiLanguages();
    for (const QString &tag : languages) {
        const QLocale language(tag);
        if (language.language() == QLocale::English)
            return {};
        QTranslator *const program =
            loaded(application, language, QStringLiteral("cubomancer"), {builtIn});
        if (program == nullptr)
            continue;
        QTranslator *const qt =
            loaded(application, language, QStringLiteral("qtbase"),
                   {builtIn, QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
        if (qt == nullptr)
            return {program};
        return {program, qt};
    }
    return {};
}

// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The program's catalogues are built into it. Qt's own come with Qt: a build that carries them
// (the Windows one) has them built in too, otherwise they are in Qt's translations folder.
const QString builtIn = QStringLiteral(":/i18n");

// Qt's own texts that each of the program's catalogues carries as well: the word by which Qt
// mirrors the windows of a right-to-left language, so that they mirror even where Qt's
// catalogues are not installed, and the Yes and No of the message boxes, which Qt 6.4's Slovak
// catalogue names only where Qt 5 looked them up.
[[maybe_unused]] const char *const qtTexts[][2] = {
    QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                       "Translate this string to the string 'LTR' in left-to-right languages or "
                       "to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get "
                       "proper widget layout."),
    QT_TRANSLATE_NOOP3("QPlatformTheme", "&Yes", ""),
    QT_TRANSLATE_NOOP3("QPlatformTheme", "&No", "")};

QTranslator *loaded(QCoreApplication &application, const QString &file, const QStringList &folders)
{
    auto *translator = new QTranslator(&application);
    for (const QString &folder : folders) {
        if (translator->load(file, folder)) {
            QCoreApplication::installTranslator(translator);
            return translator;
        }
    }
    delete translator;
    return nullptr;
}

// The catalogue that reads best for a language: its own region's, else its language's without a
// region, else another region's in the same script (es_MX reads es, zh_HK and zh-Hant zh_TW).
QString catalogueFor(const QLocale &wanted, const QStringList &catalogues)
{
    QString best;
    int bestScore = 0;
    for (const QString &name : catalogues) {
        const QLocale candidate(name);
        if (candidate.language() != wanted.language())
            continue;
        const bool regional = name.contains(QLatin1Char('_'));
        const int score = !regional                                     ? 2
                          : candidate.territory() == wanted.territory() ? 3
                          : candidate.script() == wanted.script()       ? 1
                                                                        : 0;
        if (score > bestScore) {
            best = name;
            bestScore = score;
        }
    }
    return best;
}

} // namespace

QList<QTranslator *> installTranslations(QCoreApplication &application, const QLocale &locale)
{
    const QString prefix = QStringLiteral("cubomancer_");
    QStringList catalogues = QDir(builtIn).entryList({prefix + QStringLiteral("*.qm")});
    for (QString &name : catalogues)
        name = name.mid(prefix.size()).chopped(3);
    const QStringList languages = locale.uiLanguages();
    for (const QString &tag : languages) {
        const QLocale language(tag);
        if (language.language() == QLocale::English)
            return {};
        const QString name = catalogueFor(language, catalogues);
        if (name.isEmpty())
            continue;
        QTranslator *const program = loaded(application, prefix + name, {builtIn});
        if (program == nullptr)
            continue;
        QTranslator *const qt =
            loaded(application, QStringLiteral("qtbase_") + name,
                   {builtIn, QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
        if (qt == nullptr)
            return {program};
        return {program, qt};
    }
    return {};
}

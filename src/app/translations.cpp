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
const QString catalogueFile = QStringLiteral("cubomancer_");

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
    // Catalogues are named by language code first; only those of the wanted language are looked
    // at as locales, which reads Qt's locale tables for that language alone.
    const QString code = QLocale::languageToCode(wanted.language());
    QString best;
    int bestScore = 0;
    for (const QString &name : catalogues) {
        if (name.section(QLatin1Char('_'), 0, 0) != code)
            continue;
        const QLocale candidate(name);
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

// The languages of the catalogues built into the program, matched by hand: a name filter would
// compile a regular expression, and bring PCRE2 into the memory of the program.
QStringList builtInCatalogues()
{
    const QString suffix = QStringLiteral(".qm");
    QStringList catalogues;
    const QStringList files = QDir(builtIn).entryList(QDir::Files);
    for (const QString &file : files) {
        if (file.startsWith(catalogueFile) && file.endsWith(suffix))
            catalogues << file.mid(catalogueFile.size()).chopped(suffix.size());
    }
    return catalogues;
}

} // namespace

QList<QTranslator *> installTranslations(QCoreApplication &application, const QLocale &locale)
{
    QStringList catalogues; // listed once a language other than English is wanted
    const QStringList languages = locale.uiLanguages();
    for (const QString &tag : languages) {
        const QLocale language(tag);
        if (language.language() == QLocale::English)
            return {};
        if (language.language() == QLocale::C)
            continue;
        if (catalogues.isEmpty())
            catalogues = builtInCatalogues();
        const QString name = catalogueFor(language, catalogues);
        if (name.isEmpty())
            continue;
        QTranslator *const program = loaded(application, catalogueFile + name, {builtIn});
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

// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QLocale>

class QCoreApplication;
class QTranslator;

// Gives the program the language of the desktop: the first of the locale's interface languages
// that is English or has a catalogue of the program's decides. English is the language the
// texts are written in, so it needs no catalogue; any other language found brings Qt's own
// catalogue of the same language along, for the Yes, No and OK of the message boxes. Call it
// before the first window is built. Returns the translators installed, owned by application.
QList<QTranslator *> installTranslations(QCoreApplication &application,
                                         const QLocale &locale = QLocale::system());

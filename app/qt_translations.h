#pragma once

#include <QLocale>

class QTranslator;

// Qt's own texts (file and print dialogs, the reasons in file errors) in the
// user's language, so a message that quotes such a reason is in one language.
// Installs the translation into the running application, which owns it;
// returns nullptr when the system has none for that language (Qt then keeps
// its English texts).
QTranslator* installQtTranslations(const QLocale& locale);

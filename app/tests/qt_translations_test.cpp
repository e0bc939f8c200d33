#include "qt_translations.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// The reason Qt gives for a settings file that cannot be written is quoted in
// the German error box; in a German session it must be German too.
TEST(QtTranslations, GermanSessionGetsGermanFileErrors)
{
    const char* source = "Existing file %1 is not writable";
    QTranslator* translator = installQtTranslations(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n missing";
    const QString german = QCoreApplication::translate("QSaveFile", source);
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_NE(german, QString::fromLatin1(source));
    EXPECT_TRUE(german.contains(QStringLiteral("%1")));
}

TEST(QtTranslations, UnknownLanguageKeepsEnglish)
{
    EXPECT_EQ(installQtTranslations(QLocale(QLocale::Latin)), nullptr);
}

}

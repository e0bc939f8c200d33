#include "form_model.h"
#include "scripted_services.h"
#include "settings_file.h"
#include "windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray crlf(const QStringList& lines) { return windows1252::encode(lines.join("\r\n") + "\r\n"); }

class SettingsFileTest : public ::testing::Test {
protected:
    ScriptedServices services;
    FormModel form { services };
    QTemporaryDir dir;

    void load(const QByteArray& bytes)
    {
        applySettings(form, parseSettings(bytes));
        form.recompute();
    }
};

struct PathCase {
    const char* argument;
    const char* expected;
};

class SettingsPathTest : public ::testing::TestWithParam<PathCase> { };

TEST_P(SettingsPathTest, FollowsTheArgumentRule)
{
    const QStringList args = GetParam().argument ? QStringList { GetParam().argument } : QStringList {};
    const auto writable = [](const QString&) { return true; };
    EXPECT_EQ(settingsFilePath("/opt/fundorix", args, writable), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Arguments, SettingsPathTest,
    ::testing::Values(PathCase { nullptr, "/opt/fundorix/Fundorix.ini" }, PathCase { "/plan/", "/plan/Rechner.ini" },
        PathCase { "/plan/kunde.txt", "/plan/kunde.txt" }, PathCase { "/plan/kunde", "/plan/kundeRechner.ini" }));

TEST_F(SettingsFileTest, WritesFieldsThenRowsSeparatedByMarkers)
{
    form.setGridCell(0, 1, "3");
    form.setGridCell(1, 1, "7");
    form.setGridCell(2, 1, "1200");
    EXPECT_EQ(composeSettings(form),
        crlf({ "10000", "10", "jährlich", "50", "1,5", "10", "0", "3", "ENDE", "7", "ENDE", "1200" }));
    EXPECT_EQ(composeSettings(form).count('\xE4'), 1);
}

TEST_F(SettingsFileTest, EmptyGridRoundTrips)
{
    const QByteArray bytes = composeSettings(form);
    EXPECT_EQ(bytes, crlf({ "10000", "10", "jährlich", "50", "1,5", "10", "0", "ENDE", "ENDE" }));
    load(bytes);
    EXPECT_EQ(form.gridCell(0, 1), "");
    EXPECT_EQ(form.gridCell(1, 1), "");
}

TEST_F(SettingsFileTest, EachRowIsSavedUpToItsOwnFirstGap)
{
    form.setGridCell(0, 1, "1");
    form.setGridCell(0, 2, "2");
    form.setGridCell(0, 4, "4");
    form.setGridCell(2, 1, "10");
    form.setGridCell(2, 2, "20");
    form.setGridCell(2, 3, "30");
    EXPECT_EQ(composeSettings(form),
        crlf({ "10000", "10", "jährlich", "50", "1,5", "10", "0", "1", "2", "ENDE", "ENDE", "10", "20", "30" }));
}

TEST_F(SettingsFileTest, ReadsFieldsSpinnerAndGrid)
{
    load(crlf({ "5000", "7,5", "monatlich", "100", "2", "20", "300", "1", "2", "ENDE", "12", "ENDE", "-500",
        "123456789012345678901234" }));
    EXPECT_EQ(form.fieldText(Field::AnlageSumme), "5000");
    EXPECT_EQ(form.fieldText(Field::Rendite), "7,5");
    EXPECT_EQ(form.fieldText(Field::ComboBox1), "monatlich");
    EXPECT_EQ(form.fieldText(Field::Sparen), "100");
    EXPECT_EQ(form.fieldText(Field::Dividente), "2");
    EXPECT_EQ(form.years(), 20);
    EXPECT_EQ(form.fieldText(Field::Edit1), "300");
    EXPECT_EQ(form.gridCell(0, 2), "2");
    EXPECT_EQ(form.gridCell(1, 1), "12");
    EXPECT_EQ(form.gridCell(2, 1), "-500");
    EXPECT_EQ(form.gridCell(2, 2), "12345678901234567890");
}

TEST_F(SettingsFileTest, MarkerInLineSevenKeepsTheYearlyAmount)
{
    load(crlf({ "10000", "10", "jährlich", "50", "1,5", "10", "ENDE", "5", "ENDE", "3", "ENDE", "700" }));
    EXPECT_EQ(form.fieldText(Field::Edit1), "0");
    EXPECT_EQ(form.gridCell(0, 1), "5");
    EXPECT_EQ(form.gridCell(1, 1), "3");
    EXPECT_EQ(form.gridCell(2, 1), "700");
}

TEST_F(SettingsFileTest, UnknownModeAndOutOfRangeYearsAreTakenAsTheFormWould)
{
    load(crlf({ "10000", "10", "täglich", "50", "1,5", "150", "0" }));
    EXPECT_EQ(form.fieldText(Field::ComboBox1), "täglich");
    EXPECT_EQ(form.years(), 100);
    EXPECT_EQ(form.fieldText(Field::Jahre), "100");
}

TEST_F(SettingsFileTest, NonNumericYearsEndsTheReading)
{
    load(crlf({ "1", "2", "monatlich", "3", "4", "zehn", "99", "1", "ENDE" }));
    EXPECT_EQ(form.fieldText(Field::Dividente), "4");
    EXPECT_EQ(form.fieldText(Field::Jahre), "zehn");
    EXPECT_EQ(form.years(), 10);
    EXPECT_EQ(form.fieldText(Field::Edit1), "0");
    EXPECT_EQ(form.gridCell(0, 1), "");
}

TEST_F(SettingsFileTest, ShortFileKeepsTheFieldsItDoesNotHold)
{
    load(crlf({ "2000", "5" }));
    EXPECT_EQ(form.fieldText(Field::AnlageSumme), "2000");
    EXPECT_EQ(form.fieldText(Field::Rendite), "5");
    EXPECT_EQ(form.fieldText(Field::ComboBox1), "jährlich");
    EXPECT_EQ(form.fieldText(Field::Sparen), "50");
}

TEST_F(SettingsFileTest, UnassignedCodePageBytesSurviveARoundTrip)
{
    const QByteArray bytes("\x81\x8D\x8F\x90\x9D\x80", 6);
    EXPECT_EQ(windows1252::encode(windows1252::decode(bytes)), bytes);
    EXPECT_EQ(windows1252::decode("\x80"), QString::fromUtf8("€"));
    EXPECT_EQ(windows1252::encode(QString::fromUtf8("日")), "?");
}

TEST_F(SettingsFileTest, FileRoundTripReplacesTheOldContent)
{
    const QString path = dir.filePath("Fundorix.ini");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(4096, 'x'));
    old.close();
    form.setFieldText(Field::Sparen, "75");
    form.setGridCell(0, 1, "2");
    ASSERT_EQ(writeSettingsFile(form, path), "");

    ScriptedServices otherServices;
    FormModel other(otherServices);
    ASSERT_TRUE(readSettingsFile(other, path));
    EXPECT_EQ(other.fieldText(Field::Sparen), "75");
    EXPECT_EQ(other.gridCell(0, 1), "2");
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), composeSettings(form));
}

TEST_F(SettingsFileTest, FailedWriteNamesTheFile)
{
    const QString path = dir.filePath("missing/Fundorix.ini");
    const QString message = writeSettingsFile(form, path);
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_FALSE(readSettingsFile(form, path));
}

// The per-user configuration folder pointed at a fresh private folder, so the
// tests neither read nor leave files among the user's own.
class PerUserFolderTest : public SettingsFileTest {
protected:
    QTemporaryDir configHome;
    QTemporaryDir programDir;
    QByteArray previousConfigHome = qgetenv("XDG_CONFIG_HOME");

    void SetUp() override { qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit()); }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previousConfigHome); }

    // Writes the form with a changed monthly amount to `path` and reads it
    // into a fresh form, as one run's "Beenden" and the next run's start do.
    QString roundTripSparen(const QString& path)
    {
        form.setFieldText(Field::Sparen, "75");
        EXPECT_EQ(writeSettingsFile(form, path), "");
        ScriptedServices nextServices;
        FormModel nextRun(nextServices);
        EXPECT_TRUE(readSettingsFile(nextRun, path));
        return nextRun.fieldText(Field::Sparen);
    }
};

TEST_F(PerUserFolderTest, ReadOnlyProgramFolderKeepsTheFileInTheUserFolder)
{
    const auto readOnly = [](const QString&) { return false; };
    const QString path = settingsFilePath(programDir.path(), {}, readOnly);
    EXPECT_EQ(path, configHome.path() + "/Wendlich/Fundorix.ini");
    EXPECT_FALSE(QDir(configHome.path() + "/Wendlich").exists()) << "made only at the first write";

    EXPECT_EQ(roundTripSparen(path), "75");
    EXPECT_FALSE(QFile::exists(programDir.filePath("Fundorix.ini")));
}

TEST_F(PerUserFolderTest, WritableProgramFolderKeepsTheFileBesideTheProgram)
{
    const QString path = settingsFilePath(programDir.path(), {});
    EXPECT_EQ(path, programDir.filePath("Fundorix.ini"));

    EXPECT_EQ(roundTripSparen(path), "75");
    EXPECT_FALSE(QDir(configHome.path() + "/Wendlich").exists());
}

// The folders of an installed program are never the settings file's home,
// whoever runs it: root could write there, but no file may appear in /usr.
TEST_F(PerUserFolderTest, InstalledOrMissingProgramFolderIsNotWritable)
{
    for (const QString& folder :
        { QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/bin"), programDir.filePath("gone") }) {
        EXPECT_FALSE(userMayWriteFolder(folder)) << folder.toStdString();
        EXPECT_EQ(settingsFilePath(folder, {}), configHome.path() + "/Wendlich/Fundorix.ini");
    }
}

}

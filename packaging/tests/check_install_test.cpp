// packaging/check-install stages an install of a build; the build's install
// manifest must still name the real install afterwards, or `make uninstall`
// removes the staged paths and leaves the real install in place.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    process.waitForFinished(120000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

std::string contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

void write(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A probe project in a folder of its own; the check's tools must be there,
// since the check would otherwise install them.
class CheckInstall : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : { "desktop-file-validate", "appstreamcli", "man" })
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        ASSERT_TRUE(QDir().mkpath(source));
    }

    QTemporaryDir dir;
    const QString source = dir.filePath("source");
    const QString build = dir.filePath("build");
};

TEST_F(CheckInstall, KeepsTheManifestOfTheRealInstall)
{
    write(source + "/CMakeLists.txt",
        "cmake_minimum_required(VERSION 3.25)\nproject(probe NONE)\ninstall(FILES marker DESTINATION share/probe)\n");
    write(source + "/marker", "x");
    ASSERT_EQ(run(QStringLiteral(CMAKE_COMMAND), { "-S", source, "-B", build }), 0);
    ASSERT_EQ(run(QStringLiteral(CMAKE_COMMAND), { "--install", build, "--prefix", dir.filePath("real") }), 0);
    const std::string real = (dir.filePath("real") + "/share/probe/marker").toStdString();
    ASSERT_EQ(contents(build + "/install_manifest.txt"), real);

    // The probe has no programs, so the check itself fails; the manifest stays either way.
    EXPECT_NE(run(QStringLiteral("bash"), { QStringLiteral(CHECK_INSTALL), build }), 0);
    EXPECT_EQ(contents(build + "/install_manifest.txt"), real);
}

TEST_F(CheckInstall, LeavesNoManifestWhereThereWasNone)
{
    write(source + "/CMakeLists.txt", "cmake_minimum_required(VERSION 3.25)\nproject(probe NONE)\n");
    ASSERT_EQ(run(QStringLiteral(CMAKE_COMMAND), { "-S", source, "-B", build }), 0);
    EXPECT_NE(run(QStringLiteral("bash"), { QStringLiteral(CHECK_INSTALL), build }), 0);
    EXPECT_FALSE(QFile::exists(build + "/install_manifest.txt"));
}

}

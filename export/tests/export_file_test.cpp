#include "export/export_file.h"

#include "export/document_writer.h"
#include "export/export_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class LineFormat : public TBVExportFilter {
public:
    using TBVExportFilter::TBVExportFilter;
    void EndExport() override
    {
        TDocumentWriter(TDocumentEncoding::Ascii).write({ FileName() }, OutputFileName());
        TBVExportFilter::EndExport();
    }
};

const auto lineFormat = TBVExportFilterClass::of<LineFormat>("LineFormat");

QByteArray contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(ExportToFile, ACompletedRunReplacesTheFileAndKeepsItsNameInTheFilter)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("plan.txt");
    QFile(name).open(QIODevice::WriteOnly);
    const bool written = exportToFile(lineFormat, name, [](TBVExportFilter& filter) {
        EXPECT_NE(filter.OutputFileName(), filter.FileName());
        filter.EndExport();
        return true;
    });
    EXPECT_TRUE(written);
    EXPECT_EQ(contents(name), (name + "\r\n").toUtf8());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "plan.txt" });
}

bool completeRun(TBVExportFilter& filter)
{
    filter.EndExport();
    return true;
}

mode_t modeOf(const QString& fileName)
{
    struct stat status;
    return stat(QFile::encodeName(fileName).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST(ExportToFile, TheReplacedFileKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("plan.txt");
    for (const mode_t mode : { 0600, 0640, 0664 }) {
        QFile(name).open(QIODevice::WriteOnly);
        ASSERT_EQ(chmod(QFile::encodeName(name).constData(), mode), 0);
        ASSERT_TRUE(exportToFile(lineFormat, name, completeRun));
        EXPECT_EQ(modeOf(name), mode) << std::oct << mode;
    }
}

TEST(ExportToFile, ANewFileGetsThePermissionsTheUmaskLeaves)
{
    QTemporaryDir dir;
    const mode_t saved = umask(027);
    const bool written = exportToFile(lineFormat, dir.filePath("plan.txt"), completeRun);
    umask(022);
    const bool writtenAgain = exportToFile(lineFormat, dir.filePath("other.txt"), completeRun);
    umask(saved);
    ASSERT_TRUE(written && writtenAgain);
    EXPECT_EQ(modeOf(dir.filePath("plan.txt")), 0640u);
    EXPECT_EQ(modeOf(dir.filePath("other.txt")), 0644u);
}

TEST(ExportToFile, ACancelledRunLeavesNoFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("plan.txt");
    const bool written = exportToFile(lineFormat, name, [](TBVExportFilter& filter) {
        filter.EndExport();
        return false;
    });
    EXPECT_FALSE(written);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(ExportToFile, AFailedRunKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("plan.txt");
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    EXPECT_THROW(exportToFile(lineFormat, name,
                     [](TBVExportFilter&) -> bool { throw EExportError(QStringLiteral("GetFontData error")); }),
        EExportError);
    EXPECT_EQ(contents(name), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "plan.txt" });
}

TEST(ExportToFile, AFolderThatCannotTakeTheFileRaisesTheCreationError)
{
    QTemporaryDir dir;
    EXPECT_THROW(exportToFile(lineFormat, dir.filePath("missing/plan.txt"), [](TBVExportFilter&) { return true; }),
        EExportError);
}

}

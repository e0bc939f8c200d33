#include "export/export_file.h"

#include "export/document_writer.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

// The exported file keeps the permissions of the file it replaces, so that a
// private plan stays private; a new file gets the permissions every other
// program's new file gets.
mode_t permissionsFor(const QString& fileName)
{
    struct stat replaced;
    if (stat(QFile::encodeName(fileName).constData(), &replaced) == 0)
        return replaced.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

void moveInPlace(const QString& temporaryName, const QString& fileName)
{
    if (std::rename(QFile::encodeName(temporaryName).constData(), QFile::encodeName(fileName).constData()) != 0)
        throw fileCreationError(fileName, QString::fromLocal8Bit(std::strerror(errno)));
}

}

bool exportToFile(const TBVExportFilterClass& filterClass, const QString& fileName,
    const std::function<bool(TBVExportFilter& filter)>& run)
{
    const QFileInfo target(fileName);
    // Hidden, so that a folder view does not show it while the export runs.
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.completeBaseName()
        + QStringLiteral("-XXXXXX.") + target.suffix());
    if (!temporary.open())
        throw fileCreationError(fileName, temporary.errorString());
    temporary.close();
    const QString temporaryName = temporary.fileName();
    const std::unique_ptr<TBVExportFilter> filter = filterClass.create(fileName);
    filter->setOutputFileName(temporaryName);
    if (!run(*filter))
        return false;
    chmod(QFile::encodeName(temporaryName).constData(), permissionsFor(fileName));
    moveInPlace(temporaryName, fileName);
    temporary.setAutoRemove(false);
    return true;
}

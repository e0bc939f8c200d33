#include "export/export_file.h"

#include "export/export_error.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

// A new file gets the permissions every other program's new file gets.
void giveUsualPermissions(const QString& fileName)
{
    const mode_t mask = umask(0);
    umask(mask);
    chmod(QFile::encodeName(fileName).constData(), 0666 & ~mask);
}

void moveInPlace(const QString& temporaryName, const QString& fileName)
{
    if (std::rename(QFile::encodeName(temporaryName).constData(), QFile::encodeName(fileName).constData()) != 0)
        throw EExportError(QStringLiteral("Cannot create file \"%1\". %2")
                               .arg(QDir::toNativeSeparators(fileName), QString::fromLocal8Bit(std::strerror(errno))));
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
        throw EExportError(QStringLiteral("Cannot create file \"%1\". %2")
                               .arg(QDir::toNativeSeparators(fileName), temporary.errorString()));
    temporary.close();
    const QString temporaryName = temporary.fileName();
    const std::unique_ptr<TBVExportFilter> filter = filterClass.create(fileName);
    filter->setOutputFileName(temporaryName);
    if (!run(*filter))
        return false;
    giveUsualPermissions(temporaryName);
    moveInPlace(temporaryName, fileName);
    temporary.setAutoRemove(false);
    return true;
}

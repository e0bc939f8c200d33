#include "export/html/picture_file.h"

#include <QDir>
#include <QFileInfo>

PictureFile pictureFileFor(const QString& htmlFileName, const QString& controlName, const QString& pictureDir)
{
    const QFileInfo html(htmlFileName);
    const QString name = htmlFileName.isEmpty() ? controlName + QStringLiteral(".jpg")
                                                : html.completeBaseName() + '_' + controlName + QStringLiteral(".jpg");
    const QString source
        = pictureDir.isEmpty() ? name : QDir::cleanPath(QDir::fromNativeSeparators(pictureDir)) + '/' + name;
    const QDir folder = htmlFileName.isEmpty() ? QDir::current() : html.absoluteDir();
    return { QDir::cleanPath(folder.filePath(source)), source };
}

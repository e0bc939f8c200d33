#include "report/preview/save_target.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char* const StoredReportExtension = "BVP";

QString withoutDot(const QString& extension) { return extension.startsWith('.') ? extension.mid(1) : extension; }

QString extensionOfFilterEntry(int filterIndex, const QString& defaultExtension, const QStringList& libraryExtensions)
{
    if (filterIndex == 2)
        return QString::fromLatin1(StoredReportExtension);
    const int libraryIndex = filterIndex - 3;
    if (libraryIndex >= 0 && libraryIndex < libraryExtensions.size())
        return libraryExtensions.at(libraryIndex);
    return defaultExtension;
}

} // namespace

QString defaultSaveExtension(TPrevSaveType type)
{
    switch (type) {
    case TPrevSaveType::stBVP:
        return QStringLiteral(".BVP");
    case TPrevSaveType::stPDF:
        return QStringLiteral(".PDF");
    case TPrevSaveType::stXL:
        return QStringLiteral(".XLS");
    case TPrevSaveType::stHTML:
        return QStringLiteral(".HTML");
    case TPrevSaveType::stRTF:
        return QStringLiteral(".RTF");
    case TPrevSaveType::stCSV:
        return QStringLiteral(".CSV");
    case TPrevSaveType::stASCII:
        return QStringLiteral(".TXT");
    case TPrevSaveType::stXML:
        return QStringLiteral(".XML");
    }
    return QStringLiteral(".BVP");
}

QString proposedSaveName(const QString& reportTitle, const QString& defaultExtension, const QString& folder)
{
    QString name = reportTitle.trimmed();
    for (QChar& character : name) {
        if (character.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(character))
            character = '_';
    }
    if (name.isEmpty())
        name = QStringLiteral("Report");
    return QDir(folder).filePath(name + defaultExtension);
}

QString defaultSaveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

bool holdsWildcard(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    return name.contains('*') || name.contains('?');
}

QString saveDialogFilterText(const QString& defaultExtension, const QString& libraryFilterText)
{
    return defaultExtension + '|' + '*' + defaultExtension + '|' + libraryFilterText;
}

QStringList dialogNameFilters(const QString& filterText)
{
    const QStringList parts = filterText.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& label = parts.at(i);
        const QString& pattern = parts.at(i + 1);
        if (label.endsWith('(' + pattern + ')'))
            filters << label;
        else
            filters << label + QStringLiteral(" (") + pattern + ')';
    }
    return filters;
}

SaveTarget resolveSaveTarget(
    const QString& chosenName, int filterIndex, const QString& defaultExtension, const QStringList& libraryExtensions)
{
    SaveTarget target { chosenName, QFileInfo(chosenName).suffix().toUpper() };
    if (target.extension.isEmpty()) {
        // A dot already typed at the end is kept rather than doubled.
        target.extension = withoutDot(extensionOfFilterEntry(filterIndex, defaultExtension, libraryExtensions));
        if (!target.fileName.endsWith('.'))
            target.fileName += '.';
        target.fileName += target.extension;
    }
    target.extension = withoutDot(target.extension).left(3).toUpper();
    return target;
}

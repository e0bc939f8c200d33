#include "settings_file.h"

#include "extra_grid.h"
#include "form_model.h"
#include "number_conventions.h"
#include "windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString rowMarker = QStringLiteral("ENDE");
const QString defaultFileName = QStringLiteral("Fundorix.ini");
constexpr int maxGridCellLength = 20;

// The fields in the order of the file's first seven lines.
constexpr std::array<Field, 7> fileFieldOrder { Field::AnlageSumme, Field::Rendite, Field::ComboBox1, Field::Sparen,
    Field::Dividente, Field::Jahre, Field::Edit1 };

// Splits into lines ending in CR LF, LF or a lone CR; a last line without an
// ending still counts.
QStringList splitLines(const QString& text)
{
    QStringList lines;
    int start = 0;
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

void readGridRows(const QStringList& lines, int first, SettingsContent& content)
{
    int row = 0;
    for (int i = first; i < lines.size(); ++i) {
        const QString line = lines.at(i).left(maxGridCellLength);
        if (line == rowMarker) {
            ++row;
            continue;
        }
        // Values beyond the grid's three rows and 99 payment columns have no
        // cell to live in; the simulation would ignore them anyway.
        if (row < ExtraGrid::rowCount && content.gridRows[row].size() < ExtraGrid::columnCount - 1)
            content.gridRows[row].append(line);
    }
}

}

bool userMayWriteFolder(const QString& folder)
{
    // /usr holds the installed system and stays unwritten while programs run,
    // even for root, whom the file system would let write there.
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    if (canonical == QLatin1String("/usr") || canonical.startsWith(QLatin1String("/usr/")))
        return false;
    return info.isDir() && info.isWritable();
}

QString perUserSettingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Wendlich");
}

QString settingsFilePath(
    const QString& programDir, const QStringList& arguments, const std::function<bool(const QString&)>& mayWriteFolder)
{
    if (arguments.isEmpty()) {
        const QString folder = mayWriteFolder(programDir) ? programDir : perUserSettingsFolder();
        return QDir(folder).filePath(defaultFileName);
    }
    const QString& path = arguments.first();
    return path.contains(QLatin1Char('.')) ? path : path + QStringLiteral("Rechner.ini");
}

SettingsContent parseSettings(const QByteArray& bytes)
{
    SettingsContent content;
    const QStringList lines = splitLines(windows1252::decode(bytes));
    // A file that ends early ends the reading there: the fields not in the
    // file keep their texts instead of being emptied.
    content.fieldTexts = lines.mid(0, 6);
    if (content.fieldTexts.size() < 6)
        return content;
    content.years = parseWholeNumber(content.fieldTexts.at(5));
    if (!content.years || lines.size() < 7)
        return content;
    if (lines.at(6) != rowMarker)
        content.yearlyAmount = lines.at(6);
    readGridRows(lines, 7, content);
    return content;
}

void applySettings(FormModel& form, const SettingsContent& content)
{
    for (int i = 0; i < content.fieldTexts.size(); ++i)
        form.setFieldText(fileFieldOrder[i], content.fieldTexts.at(i));
    if (!content.years)
        return;
    form.setYears(*content.years);
    if (content.yearlyAmount)
        form.setFieldText(Field::Edit1, *content.yearlyAmount);
    for (int row = 0; row < ExtraGrid::rowCount; ++row) {
        const QStringList& cells = content.gridRows[row];
        for (int i = 0; i < cells.size(); ++i)
            form.setGridCell(row, i + 1, cells.at(i));
    }
}

QByteArray composeSettings(const FormModel& form)
{
    QString text;
    const QString lineEnd = QStringLiteral("\r\n");
    for (Field field : fileFieldOrder)
        text += form.fieldText(field) + lineEnd;
    for (int row = 0; row < ExtraGrid::rowCount; ++row) {
        const int length = form.grid().filledPrefixLength(row);
        for (int column = 1; column <= length; ++column)
            text += form.gridCell(row, column) + lineEnd;
        if (row + 1 < ExtraGrid::rowCount)
            text += rowMarker + lineEnd;
    }
    return windows1252::encode(text);
}

bool readSettingsFile(FormModel& form, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    file.close();
    applySettings(form, parseSettings(bytes));
    return true;
}

QString writeSettingsFile(const FormModel& form, const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (folder == QDir(perUserSettingsFolder()).absolutePath())
        QDir().mkpath(folder);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray bytes = composeSettings(form);
        if (file.write(bytes) == bytes.size() && file.commit())
            return QString();
    }
    return QStringLiteral("Die Einstellungen konnten nicht in die Datei \"%1\" geschrieben werden: %2")
        .arg(path, file.errorString());
}

#pragma once

#include "report/preview/preview_settings.h"

#include <QString>
#include <QStringList>

// The extension of a default save type, with its dot: ".BVP", ".PDF", ...
QString defaultSaveExtension(TPrevSaveType type);

// The save dialog's filter list in the "label|pattern|label|pattern" form:
// the default type's own entry first, then the filter library's text.
QString saveDialogFilterText(const QString& defaultExtension, const QString& libraryFilterText);

// The name the save dialog proposes: the report's title with the default
// type's extension in the given folder. Characters a file name cannot hold,
// the wildcards "*" and "?" among them, become "_"; without a title the
// name is "Report".
QString proposedSaveName(const QString& reportTitle, const QString& defaultExtension, const QString& folder);

// The folder a save starts in: the user's documents folder, else the home folder.
QString defaultSaveFolder();

// Whether the file name part of a chosen name holds "*" or "?": a dialog
// pattern taken over unchanged, never a name to write under.
bool holdsWildcard(const QString& fileName);

// Turns a "label|pattern|..." filter text into file dialog name filters
// ("label (pattern)"); a label that already ends with its pattern in
// parentheses is kept as it is.
QStringList dialogNameFilters(const QString& filterText);

// What a save writes: the final file name and the file type, the upper-case
// extension cut to three characters without its dot ("BVP", "HTM").
struct SaveTarget {
    QString fileName;
    QString extension;
};

// Resolves the save dialog's answer. A name without extension takes the type
// of the chosen filter entry (1-based: 1 the default type, 2 the stored
// report, 3 and on the library's filters in order, given by their
// extensions) and gets it appended.
SaveTarget resolveSaveTarget(
    const QString& chosenName, int filterIndex, const QString& defaultExtension, const QStringList& libraryExtensions);

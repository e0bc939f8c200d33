#pragma once

#include "report/preview/preview_settings.h"

#include <QString>
#include <QStringList>

// The extension of a default save type, with its dot: ".BVP", ".PDF", ...
QString defaultSaveExtension(TPrevSaveType type);

// The save dialog's filter list in the "label|pattern|label|pattern" form:
// the default type's own entry first, then the filter library's text.
QString saveDialogFilterText(const QString& defaultExtension, const QString& libraryFilterText);

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

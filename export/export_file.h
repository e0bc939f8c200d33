#pragma once

#include "export/filter_library.h"

#include <functional>

// Runs one export of the filter class into a temporary file in the folder of
// fileName and moves it to fileName only when the run completed, so that a
// failed or cancelled export leaves neither a half-written file under the
// chosen name nor the temporary file behind. The file takes the permissions
// of the file it replaces. Files that a format writes beside the document
// as the run goes (the HTML export's pictures) are not held back: those
// already written stay when the run fails or is cancelled. `run` drives the
// export of the filter it is given and returns false when the run was
// cancelled; errors it raises propagate after the temporary file is removed.
// Returns whether the file was written.
bool exportToFile(const TBVExportFilterClass& filterClass, const QString& fileName,
    const std::function<bool(TBVExportFilter& filter)>& run);

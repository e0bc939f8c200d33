#pragma once

#include <QString>
#include <optional>

// The paging commands of the tool bar and the keys.
enum class TBVPageCommand { First, Previous, Next, Last };

// The last page the preview may show: while pages are still being made the
// newest one may be half drawn, so it is held back.
int lastShowablePage(int pageCount, bool finished);

// The page a paging command leads to, or nothing when it leads outside the
// pages (the current page then stays).
std::optional<int> pageForCommand(TBVPageCommand command, int currentPage, int pageCount, bool finished);

// The page the go-to prompt's answer selects: the typed number when it is a
// page, else page 1.
int pageFromPrompt(const QString& answer, int pageCount);

// The status bar's page panel: "Page 3 of 7".
QString pageStatusText(int pageNumber, int pageCount);

// The progress panel. A report of p percent is written only when it has
// advanced by at least 5 since the last written value; 0 and 100 clear the
// panel. Holds the value last written.
class ProgressPanel {
public:
    // The new panel text, or nothing when the panel stays as it is.
    std::optional<QString> update(int percent);

private:
    int m_lastShown = 0;
};

#include "report/preview/paging.h"

int lastShowablePage(int pageCount, bool finished) { return finished ? pageCount : pageCount - 1; }

std::optional<int> pageForCommand(TBVPageCommand command, int currentPage, int pageCount, bool finished)
{
    int target = currentPage;
    switch (command) {
    case TBVPageCommand::First:
        target = 1;
        break;
    case TBVPageCommand::Previous:
        target = currentPage - 1;
        break;
    case TBVPageCommand::Next:
        target = currentPage + 1;
        break;
    case TBVPageCommand::Last:
        target = lastShowablePage(pageCount, finished);
        break;
    }
    if (target < 1 || target > pageCount)
        return std::nullopt;
    return target;
}

int pageFromPrompt(const QString& answer, int pageCount)
{
    bool ok = false;
    const int page = answer.trimmed().toInt(&ok);
    return ok && page >= 1 && page <= pageCount ? page : 1;
}

QString pageStatusText(int pageNumber, int pageCount)
{
    return QStringLiteral("Page %1 of %2").arg(pageNumber).arg(pageCount);
}

std::optional<QString> ProgressPanel::update(int percent)
{
    if (percent <= 0 || percent >= 100) {
        m_lastShown = 0;
        return QString();
    }
    if (percent < m_lastShown + 5)
        return std::nullopt;
    m_lastShown = percent;
    return QStringLiteral("%1%").arg(percent);
}

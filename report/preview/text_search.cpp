#include "report/preview/text_search.h"

bool recordMatches(const QString& recordText, const QString& searchText, bool matchCase)
{
    if (searchText.isEmpty())
        return false;
    if (matchCase)
        return recordText.contains(searchText);
    return recordText.toUpper().contains(searchText.toUpper());
}

std::vector<int> findPages(
    int pageCount, const std::function<QStringList(int page)>& textsOfPage, const QString& searchText, bool matchCase)
{
    std::vector<int> pages;
    for (int page = 1; page <= pageCount; ++page) {
        const QStringList texts = textsOfPage(page);
        for (const QString& text : texts) {
            if (recordMatches(text, searchText, matchCase)) {
                pages.push_back(page);
                break;
            }
        }
    }
    return pages;
}

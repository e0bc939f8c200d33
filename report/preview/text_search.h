#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// True when the text of one text-drawing record contains the searched text.
// Without matchCase both sides are compared upper-cased. An empty search
// text matches nothing.
bool recordMatches(const QString& recordText, const QString& searchText, bool matchCase);

// The pages (1-based, ascending) among 1..pageCount with at least one
// matching text record. textsOfPage gives the text records of a page.
std::vector<int> findPages(
    int pageCount, const std::function<QStringList(int page)>& textsOfPage, const QString& searchText, bool matchCase);

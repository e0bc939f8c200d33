#pragma once

#include "export/filter.h"

#include <functional>
#include <memory>
#include <vector>

// A class reference to a filter: its class name and how to make an object of it.
struct TBVExportFilterClass {
    QString className;
    std::function<std::unique_ptr<TBVExportFilter>(const QString& fileName)> create;

    template <typename Filter> static TBVExportFilterClass of(const QString& className)
    {
        return { className, [](const QString& fileName) { return std::make_unique<Filter>(fileName); } };
    }
};

struct TBVExportFilterLibraryEntry {
    TBVExportFilterClass filterClass;
    QString displayName;
    QString fileExtension;
};

// The process-wide list of export formats that filter components register;
// the preview's save dialog offers them in the order they were added.
class TBVExportFilterLibrary {
public:
    static TBVExportFilterLibrary& instance();

    void AddFilterClass(const TBVExportFilterClass& filterClass);
    void RemoveFilterClass(const TBVExportFilterClass& filterClass) noexcept;
    const TBVExportFilterLibraryEntry* FilterForExtension(const QString& extension) const;
    QString DialogFilterText() const;

    int count() const { return static_cast<int>(m_entries.size()); }
    const TBVExportFilterLibraryEntry& entry(int index) const { return m_entries.at(static_cast<size_t>(index)); }

private:
    std::vector<TBVExportFilterLibraryEntry> m_entries;
};

#include "export/filter_library.h"

#include <algorithm>

namespace {
const QString storedReportName = QStringLiteral("Belvanto file");
const QString storedReportExtension = QStringLiteral("BVP");
}

TBVExportFilterLibrary& TBVExportFilterLibrary::instance()
{
    static TBVExportFilterLibrary library;
    return library;
}

void TBVExportFilterLibrary::AddFilterClass(const TBVExportFilterClass& filterClass)
{
    auto probe = filterClass.create(QString());
    TBVExportFilterLibraryEntry entry { filterClass, probe->DisplayName(), probe->FileExtension() };
    const bool known = std::any_of(m_entries.begin(), m_entries.end(),
        [&](const auto& existing) { return existing.filterClass.className == filterClass.className; });
    if (!known)
        m_entries.push_back(std::move(entry));
}

void TBVExportFilterLibrary::RemoveFilterClass(const TBVExportFilterClass& filterClass) noexcept
{
    // Called from component destructors: a failure here must never escape.
    try {
        const QString displayName = filterClass.create(QString())->DisplayName();
        auto found = std::find_if(
            m_entries.begin(), m_entries.end(), [&](const auto& entry) { return entry.displayName == displayName; });
        if (found != m_entries.end())
            m_entries.erase(found);
    } catch (...) {
    }
}

const TBVExportFilterLibraryEntry* TBVExportFilterLibrary::FilterForExtension(const QString& extension) const
{
    for (const auto& entry : m_entries) {
        if (entry.fileExtension.compare(extension, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

QString TBVExportFilterLibrary::DialogFilterText() const
{
    QString text = storedReportName + "(*." + storedReportExtension + ")|*." + storedReportExtension;
    for (const auto& entry : m_entries)
        text += "|" + entry.displayName + " (*." + entry.fileExtension + ")|*." + entry.fileExtension;
    return text;
}

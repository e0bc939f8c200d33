#include "plans/filter_component.h"

#include "plans/export_formats.h"

namespace {

std::map<QString, FilterComponentClass>& catalog()
{
    static std::map<QString, FilterComponentClass> formats = builtInExportFormats();
    return formats;
}

}

void FilterComponentCatalog::add(const QString& componentClass, FilterComponentClass format)
{
    catalog()[componentClass] = std::move(format);
}

std::optional<FilterComponentClass> FilterComponentCatalog::find(const QString& componentClass)
{
    const auto found = catalog().find(componentClass);
    if (found == catalog().end())
        return std::nullopt;
    return found->second;
}

PlanFilterComponent::PlanFilterComponent(const PlanFilterComponentLayout& layout)
    : m_settings(layout)
{
    const std::optional<FilterComponentClass> format = FilterComponentCatalog::find(layout.componentClass);
    if (!format)
        return;
    if (format->applySettings)
        format->applySettings(m_settings);
    TBVExportFilterLibrary::instance().AddFilterClass(format->filterClass);
    m_filterClass = format->filterClass;
}

PlanFilterComponent::~PlanFilterComponent()
{
    if (m_filterClass)
        TBVExportFilterLibrary::instance().RemoveFilterClass(*m_filterClass);
}

#pragma once

#include "export/filter_library.h"
#include "plans/plan_layout.h"

#include <functional>
#include <optional>

// What an export format offers a filter component: the filter class it adds
// to the filter library, and how the component's settings reach the format
// (filter objects are made from the class alone and read process-wide settings).
struct FilterComponentClass {
    TBVExportFilterClass filterClass;
    std::function<void(const PlanFilterComponentLayout& settings)> applySettings;
};

// The formats known to this process, by component class ("TBVPDFFilter"):
// the built-in formats (export_formats.cpp) and any added at run time. A
// component whose format is unknown adds nothing.
class FilterComponentCatalog {
public:
    static void add(const QString& componentClass, FilterComponentClass format);
    static std::optional<FilterComponentClass> find(const QString& componentClass);
};

// An export filter component of a report definition: it draws nothing and,
// while it lives, offers its format in the preview's save dialog.
class PlanFilterComponent {
public:
    explicit PlanFilterComponent(const PlanFilterComponentLayout& layout);
    ~PlanFilterComponent();
    PlanFilterComponent(const PlanFilterComponent&) = delete;
    PlanFilterComponent& operator=(const PlanFilterComponent&) = delete;

    const PlanFilterComponentLayout& settings() const { return m_settings; }
    // Whether the component's format was known and added to the library.
    bool registered() const { return m_filterClass.has_value(); }

private:
    PlanFilterComponentLayout m_settings;
    std::optional<TBVExportFilterClass> m_filterClass;
};

#pragma once

#include "plans/plan_output.h"
#include "report/store/printer.h"

#include <QImage>
#include <QStringList>
#include <memory>
#include <vector>

// Generates every report it is handed into the page store, as the preview
// does before it shows page 1.
class GeneratingOutput : public PlanOutput {
public:
    void preview(PlanDefinition& definition) override;
    std::vector<std::unique_ptr<TBVPrinter>> printers;
};

// The texts of a stored page, in the order they were drawn.
QStringList pageTexts(const TBVPrinter& printer, int page);

// A stored page drawn at 96 dpi, as the preview shows it.
QImage renderPage(const TBVPrinter& printer, int page);

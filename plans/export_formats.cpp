#include "plans/export_formats.h"

#include "export/export_settings.h"
#include "export/pdf/pdf_document_filter.h"

std::map<QString, FilterComponentClass> builtInExportFormats()
{
    std::map<QString, FilterComponentClass> formats;
    formats.emplace(QStringLiteral("TBVPDFFilter"),
        FilterComponentClass { TBVExportFilterClass::of<TBVPDFDocumentFilter>(QStringLiteral("TBVPDFDocumentFilter")),
            [](const PlanFilterComponentLayout& settings) {
                ExportSettings::PDFTextEncoding = settings.textEncoding;
            } });
    return formats;
}

#include "plans/export_formats.h"

#include "export/export_settings.h"
#include "export/html/html_document_filter.h"
#include "export/pdf/pdf_document_filter.h"
#include "export/rtf/rtf_export_filter.h"
#include "export/xls/xls_filter.h"

namespace {

void applyDocumentSettings(const PlanFilterComponentLayout& settings)
{
    ExportSettings::DocumentTextEncoding = settings.textEncoding;
}

// ImageLinkPrefix and PagelinkPrefix stay with the component: no output reads them.
void applyHtmlSettings(const PlanFilterComponentLayout& settings)
{
    ExportSettings::HTMLTextEncoding = settings.textEncoding;
    THTMLExportOptions& options = ExportSettings::HTMLOptions;
    for (const auto& [name, value] : settings.options) {
        if (name == QLatin1String("MultiPage"))
            options.MultiPage = value.toBool();
        else if (name == QLatin1String("PageLinks"))
            options.PageLinks = value.toBool();
        else if (name == QLatin1String("FirstLastLinks"))
            options.FirstLastLinks = value.toBool();
        else if (name == QLatin1String("FinalPage"))
            options.FinalPage = value.toInt();
        else if (name == QLatin1String("Concat"))
            options.Concat = value.toBool();
        else if (name == QLatin1String("ConcatCount"))
            options.ConcatCount = value.toInt();
        else if (name == QLatin1String("LinkFontName"))
            options.LinkFontName = value.toString();
        else if (name == QLatin1String("LinkFontSize"))
            options.LinkFontSize = value.toInt();
        else if (name == QLatin1String("PictureDir"))
            options.PictureDir = value.toString();
    }
}

}

std::map<QString, FilterComponentClass> builtInExportFormats()
{
    std::map<QString, FilterComponentClass> formats;
    formats[QStringLiteral("TBVExcelFilter")]
        = { TBVExportFilterClass::of<TBVXLSFilter>(QStringLiteral("TBVXLSFilter")), applyDocumentSettings };
    formats[QStringLiteral("TBVHTMLFilter")]
        = { TBVExportFilterClass::of<TBVGHTMLDocumentFilter>(QStringLiteral("TBVGHTMLDocumentFilter")),
              applyHtmlSettings };
    formats[QStringLiteral("TBVRTFFilter")]
        = { TBVExportFilterClass::of<TBVRTFExportFilter>(QStringLiteral("TBVRTFExportFilter")), applyDocumentSettings };
    formats.emplace(QStringLiteral("TBVPDFFilter"),
        FilterComponentClass { TBVExportFilterClass::of<TBVPDFDocumentFilter>(QStringLiteral("TBVPDFDocumentFilter")),
            [](const PlanFilterComponentLayout& settings) {
                ExportSettings::PDFTextEncoding = settings.textEncoding;
            } });
    return formats;
}

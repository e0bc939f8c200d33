#pragma once

#include "export/filter.h"

#include <QString>

// The settings of the export formats. Filter objects are made from their
// class alone and never see the filter component on the report form, so each
// component's property setter writes these process-wide values and the
// filter objects read them.

// The options of the HTML format, with their defaults.
struct THTMLExportOptions {
    bool MultiPage = false;
    bool PageLinks = false;
    bool FirstLastLinks = false;
    int FinalPage = 0;
    bool Concat = false;
    int ConcatCount = 1;
    QString LinkFontName = QStringLiteral("Arial");
    int LinkFontSize = 12;
    QString PictureDir;
};

namespace ExportSettings {
// The TextEncoding of the PDF component.
extern TTextEncoding PDFTextEncoding;
// The TextEncoding of the HTML component.
extern TTextEncoding HTMLTextEncoding;
// The TextEncoding that the spreadsheet and RTF components share.
extern TTextEncoding DocumentTextEncoding;
extern THTMLExportOptions HTMLOptions;
}

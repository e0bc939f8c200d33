#include "export/export_settings.h"

namespace ExportSettings {
TTextEncoding PDFTextEncoding = TTextEncoding::ASCIIEncoding;
TTextEncoding HTMLTextEncoding = TTextEncoding::ASCIIEncoding;
TTextEncoding DocumentTextEncoding = TTextEncoding::DefaultEncoding;
THTMLExportOptions HTMLOptions;
}

#include "plans/export_formats.h"

std::map<QString, FilterComponentClass> builtInExportFormats()
{
    std::map<QString, FilterComponentClass> formats;
    return formats;
}

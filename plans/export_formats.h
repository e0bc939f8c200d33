#pragma once

#include "plans/filter_component.h"

#include <map>

// The export formats built into the program, by the class of the filter
// component that offers them on a report form ("TBVPDFFilter"). Each entry
// names the format's filter class and writes the component's settings into
// the format's process-wide settings.
std::map<QString, FilterComponentClass> builtInExportFormats();

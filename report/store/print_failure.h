#pragma once

#include "report/store/bv_error.h"

class QPagedPaintDevice;

// The engine's error for a printer that refused to start or continue a print
// document, carrying the system's reason as far as it can be found out.
EBVError printFailure(QPagedPaintDevice& device);

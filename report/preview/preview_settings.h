#pragma once

#include "report/store/printer_settings.h"

#include <QString>
#include <Qt>

// The zoom a preview starts with; bvZoomOther and bvZoom100 both start at
// the report's own zoom.
enum class TBVZoomState { bvZoomToFit, bvZoomToWidth, bvZoomOther, bvZoom100 };

// The file type the save dialog offers first.
enum class TPrevSaveType { stBVP, stPDF, stXL, stHTML, stRTF, stCSV, stASCII, stXML };

// A report's preview window settings, as the window reads them when it is
// created for the report's page printer.
struct TBVPreviewSettings {
    bool stayOnTop = false; // PrevFormStyle
    Qt::WindowState initialState = Qt::WindowNoState; // PreviewInitialState
    int width = 500; // PreviewWidth; 0 or less means 500
    int height = 500; // PreviewHeight; 0 or less means 500
    int left = 0;
    int top = 0;
    bool showThumbs = true; // PrevShowThumbs
    bool showSearch = true; // PrevShowSearch
    TBVZoomState initialZoom = TBVZoomState::bvZoomToFit; // PrevInitialZoom
    int zoom = 100; // the report's Zoom, used by the "other" zoom states
    QString reportTitle; // ReportTitle
    TBVOrientation orientation = TBVOrientation::Portrait;
    TPrevSaveType defaultSaveType = TPrevSaveType::stBVP; // PreviewDefaultSaveType
    int pagesInPreview = 0; // PagesInPreview
};

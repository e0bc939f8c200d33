#pragma once

#include "report/store/printer_settings.h"

#include <QPoint>
#include <QString>
#include <Qt>
#include <optional>

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
    // PreviewWidth, PreviewHeight; 0 or less: sized to show the whole tool bar
    // and a page at fit-to-width, as far as the screen allows.
    int width = 0;
    int height = 0;
    // PreviewLeft, PreviewTop; none stored: centred on the screen.
    std::optional<QPoint> position;
    bool showThumbs = true; // PrevShowThumbs
    bool showSearch = true; // PrevShowSearch
    TBVZoomState initialZoom = TBVZoomState::bvZoomToFit; // PrevInitialZoom
    int zoom = 100; // the report's Zoom, used by the "other" zoom states
    QString reportTitle; // ReportTitle
    TBVOrientation orientation = TBVOrientation::Portrait;
    TPrevSaveType defaultSaveType = TPrevSaveType::stBVP; // PreviewDefaultSaveType
    int pagesInPreview = 0; // PagesInPreview
};

// The chart title on top of the plotting area (sub- and foot titles are of the
// same kind and stay empty here).
#pragma once

#include "font.h"
#include "panel_layout.h"
#include "pen.h"

#include <QStringList>

struct TChartTitle {
    QStringList Text;
    TChartFont Font { QStringLiteral("Arial"), 8, false, clBlue };
    TitleAlignment Alignment = TitleAlignment::Center;
    int VertMargin = 5;
    bool AdjustFrame = true; // frame as wide as the text
    bool Transparent = true; // neither background nor frame painted
    TColor Color = clWhite; // background when not transparent
    TChartPen Frame;
    bool Visible = true;
};

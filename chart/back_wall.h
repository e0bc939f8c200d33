// The frame of the plotting area: outlined always, filled only when opaque.
#pragma once

#include "color.h"
#include "pen.h"

struct TChartBackWall {
    bool Transparent = true;
    TColor Color = clSilver;
    TChartPen Pen;
};

#include "pen.h"

QPen TChartPen::toQPen() const
{
    QPen pen(toQColor(Color), Width, Style, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

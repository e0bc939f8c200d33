#pragma once

#include "calc/net_view.h"

#include <vector>

// Prints the net view's year table for German spreadsheets: a heading line,
// then one line per year, ";" between the fields, amounts in the amount
// format, UTF-8 with CR LF line ends (written as they are, whatever the
// platform's own line end).
void printNetYearsCsv(const std::vector<fundorix::calc::NetYear>& years);

#pragma once

#include "calc/net_view.h"

#include <QStringList>

// The year table of the net view as texts, shared by the printed net plan
// and the command line's CSV.
namespace netyeartable {

// "Jahr", "Einzahlungen", "Dividende", "Vorabpauschale", "Steuer", "Depotwert", "Kaufkraft".
QStringList headings();

// The year, then E_i, D_i, VP_i, T_i, W_i and W_i / (1 + p)^i in the amount
// format; an amount too large to round to cents in the fixed format.
QStringList cells(const fundorix::calc::NetYear& year);

}

#pragma once

#include "calc/net_view.h"

#include <QString>
#include <array>

// The names and fixed texts of the net plan TNettoEntwicklung that both its
// layout and its print command use: the rows of the options block and of the
// results block, the columns of the year table, and the note on the rules.
namespace netplantexts {

// A row of a block: the caption label with its text, and the label the
// command fills.
struct BlockRow {
    const char* captionLabel;
    const char* caption;
    const char* valueLabel;
};

// The net options, in the order the page "Netto" lists them: the tax, the
// allowance, the fund type, then Basiszins, fund costs, inflation, dynamics.
inline constexpr std::array<BlockRow, 7> optionRows { {
    { "BVNettoSteuer", "Steuer:", "QNettoSteuer" },
    { "BVFreibetrag", "Freibetrag:", "QFreibetrag" },
    { "BVTeilfreistellung", "Fondsart:", "QTeilfreistellung" },
    { "BVBasiszins", "Basiszins:", "QBasiszins" },
    { "BVFondskosten", "Fondskosten:", "QFondskosten" },
    { "BVInflation", "Inflation:", "QInflation" },
    { "BVDynamik", "Dynamik:", "QDynamik" },
} };

// The labels of the seven results, in NetItem order; their captions are the page's.
struct ResultRow {
    const char* captionLabel;
    const char* valueLabel;
};

inline constexpr std::array<ResultRow, fundorix::calc::netItemCount> resultRows { {
    { "BVErgDepotwert", "QErgDepotwert" },
    { "BVErgFondskosten", "QErgFondskosten" },
    { "BVErgSteuernLaufend", "QErgSteuernLaufend" },
    { "BVErgSteuerVerkauf", "QErgSteuerVerkauf" },
    { "BVErgNetto", "QErgNetto" },
    { "BVErgNettogewinn", "QErgNettogewinn" },
    { "BVErgKaufkraft", "QErgKaufkraft" },
} };

// A column of the year table: its heading label and text, and the memo that
// holds one line per year.
struct TableColumn {
    const char* headingLabel;
    const char* heading;
    const char* memo;
};

inline constexpr std::array<TableColumn, 7> tableColumns { {
    { "BVKopfJahr", "Jahr", "QSpalteJahr" },
    { "BVKopfEinzahlungen", "Einzahlungen", "QSpalteEinzahlungen" },
    { "BVKopfDividende", "Dividende", "QSpalteDividende" },
    { "BVKopfVorabpauschale", "Vorabpauschale", "QSpalteVorabpauschale" },
    { "BVKopfSteuer", "Steuer", "QSpalteSteuer" },
    { "BVKopfDepotwert", "Depotwert", "QSpalteDepotwert" },
    { "BVKopfKaufkraft", "Kaufkraft", "QSpalteKaufkraft" },
} };

// How the year table was computed, for the reader who wants to follow it.
inline const QString rulesNote = QStringLiteral(
    "So wird gerechnet: Abgeltungsteuer 25 % mit 5,5 % Solidaritätszuschlag und, wenn gewählt, Kirchensteuer\n"
    "(als Sonderausgabe abziehbar, § 32d Abs. 1 EStG); Teilfreistellung der Fondsart (§ 20 InvStG).\n"
    "Vorabpauschale (§ 18 InvStG): 70 % des Basiszinses auf den Wert zu Jahresbeginn und anteilig auf die\n"
    "Einzahlungen des Jahres, höchstens der Wertzuwachs des Jahres, abzüglich der Dividende.\n"
    "Der Freibetrag (Sparerpauschbetrag) gilt für jedes Jahr; die Steuer wird vom Verrechnungskonto bezahlt,\n"
    "nicht aus dem Depot. Am Ende wird alles verkauft; bereits versteuerte Vorabpauschalen mindern den\n"
    "Gewinn (§ 19 Abs. 1 InvStG). Kaufkraft: der Wert geteilt durch (1 + Inflation) hoch Jahre.");

}

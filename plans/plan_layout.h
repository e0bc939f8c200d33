#pragma once

#include "export/filter.h"

#include <QString>
#include <QVariant>
#include <optional>
#include <utility>
#include <vector>

// The report definitions of the program as data, the way their forms were
// laid out: bands, printables with positions in millimetres from the band's
// top left corner, fonts and design texts, and the export filter components
// they carry.

enum class PlanPrintableKind { Label, Memo, Image };
enum class PlanAlignment { Left, Right };

struct PlanFont {
    QString family;
    int pointSize = 10;
    bool bold = false;
};

struct PlanPrintableLayout {
    QString name;
    PlanPrintableKind kind = PlanPrintableKind::Label;
    PlanAlignment alignment = PlanAlignment::Left;
    // The edge that stays when a label sizes itself to a new text: the left
    // edge of a left-aligned element, the right edge of a right-aligned one.
    double xMm = 0;
    double topMm = 0;
    double heightMm = 0;
    // Design width of memos and images; labels size themselves to their text.
    double widthMm = 0;
    // None: the element takes its band's (the report's) font.
    std::optional<PlanFont> font;
    // A memo's design text holds its lines, separated by line feeds.
    QString designText;
    // Printed again on every page its band continues on (column headings).
    bool repeatOnContinuation = false;
};

enum class PlanBandKind { Detail, Child };

struct PlanBandLayout {
    QString name;
    PlanBandKind kind = PlanBandKind::Detail;
    double heightMm = 0;
    double widthMm = 0;
    std::vector<PlanPrintableLayout> printables;
    // A band that follows the flow of the report (a table) is not moved to the page's foot.
    bool alignToBottom = true;
};

struct PlanFilterComponentLayout {
    QString name;
    QString componentClass;
    TTextEncoding textEncoding = TTextEncoding::DefaultEncoding;
    // The format's own settings in stored order (property name, value).
    std::vector<std::pair<QString, QVariant>> options;
};

struct PlanReportLayout {
    QString definitionName;
    QString reportComponent;
    QString reportTitle;
    QString description;
    double marginMm = 10;
    PlanFont reportFont;
    std::vector<PlanBandLayout> bands;
    std::vector<PlanFilterComponentLayout> filters;

    // Null when the definition has no element of that name.
    const PlanPrintableLayout* findPrintable(const QString& name) const;
};

const PlanReportLayout& qEntwicklungLayout();
const PlanReportLayout& tTilgungsplanLayout();
// The net plan: the plan's inputs, the net options, the net results and the
// year table after fund costs, taxes and inflation.
const PlanReportLayout& tNettoEntwicklungLayout();

// The footer text naming the maker's web address.
QString makerFooterText();

#include "report/engine/paper.h"

#include <array>

namespace {

constexpr long double inch = 25.4L;

// The platform's published paper dimensions for the codes 1 to 68, in code order.
const std::array<PaperDimensions, 68> paperTable { {
    { 8.5L * inch, 11 * inch }, // Letter
    { 8.5L * inch, 11 * inch }, // LetterSmall
    { 11 * inch, 17 * inch }, // Tabloid
    { 17 * inch, 11 * inch }, // Ledger
    { 8.5L * inch, 14 * inch }, // Legal
    { 5.5L * inch, 8.5L * inch }, // Statement
    { 7.25L * inch, 10.5L * inch }, // Executive
    { 297, 420 }, // A3
    { 210, 297 }, // A4
    { 210, 297 }, // A4Small
    { 148, 210 }, // A5
    { 250, 354 }, // B4
    { 182, 257 }, // B5
    { 8.5L * inch, 13 * inch }, // Folio
    { 215, 275 }, // Quarto
    { 10 * inch, 14 * inch }, // 10X14
    { 11 * inch, 17 * inch }, // 11X17
    { 8.5L * inch, 11 * inch }, // Note
    { 3.875L * inch, 8.875L * inch }, // Env9
    { 4.125L * inch, 9.5L * inch }, // Env10
    { 4.5L * inch, 10.375L * inch }, // Env11
    { 4.75L * inch, 11 * inch }, // Env12
    { 5 * inch, 11.5L * inch }, // Env14
    { 17 * inch, 22 * inch }, // CSheet
    { 22 * inch, 34 * inch }, // DSheet
    { 34 * inch, 44 * inch }, // ESheet
    { 110, 220 }, // EnvDL
    { 162, 229 }, // EnvC5
    { 324, 458 }, // EnvC3
    { 229, 324 }, // EnvC4
    { 114, 162 }, // EnvC6
    { 114, 229 }, // EnvC65
    { 250, 353 }, // EnvB4
    { 176, 250 }, // EnvB5
    { 176, 125 }, // EnvB6
    { 110, 230 }, // EnvItaly
    { 3.875L * inch, 7.5L * inch }, // EnvMonarch
    { 3.625L * inch, 6.5L * inch }, // EnvPersonal
    { 14.875L * inch, 11 * inch }, // FanfoldUSStd
    { 8.5L * inch, 12 * inch }, // FanfoldGerStd
    { 8.5L * inch, 13 * inch }, // FanfoldGerLegal
    { 250, 353 }, // B4ISO
    { 100, 148 }, // PostcardJap
    { 9 * inch, 11 * inch }, // 9X11
    { 10 * inch, 11 * inch }, // 10X11
    { 15 * inch, 11 * inch }, // 15X11
    { 220, 220 }, // EnvInvite
    { 100, 100 }, // Reserved1
    { 100, 100 }, // Reserved2
    { 9.5L * inch, 12 * inch }, // LetterExtra
    { 9.5L * inch, 15 * inch }, // LegalExtra
    { 11.69L * inch, 18 * inch }, // TabloidExtra
    { 9.27L * inch, 12.69L * inch }, // A4Extra
    { 11 * inch, 8.5L * inch }, // LetterTrans
    { 297, 210 }, // A4Trans
    { 12 * inch, 9.5L * inch }, // LetterExtraTrans
    { 227, 356 }, // SuperASuperAA4
    { 305, 487 }, // SuperBSuperBA3
    { 8.5L * inch, 12.69L * inch }, // LetterPlus
    { 210, 330 }, // A4Plus
    { 210, 148 }, // A5Trans
    { 257, 182 }, // B5Trans
    { 322, 445 }, // A3Extra
    { 174, 235 }, // A5Extra
    { 201, 276 }, // B5Extra
    { 420, 594 }, // A2
    { 420, 297 }, // A3Trans
    { 445, 322 }, // A3ExtraTrans
} };

}

std::optional<PaperDimensions> paperDimensions(TBVPaperSize paper)
{
    const int code = static_cast<int>(paper);
    if (code < 1 || code > static_cast<int>(paperTable.size()))
        return std::nullopt;
    return paperTable[static_cast<size_t>(code - 1)];
}

#include "report/store/standard_paper.h"

#include <cstdlib>
#include <limits>

namespace {

const StandardPaper Papers[StandardPaperCount] = {
    { 1, 215.9, 279.4 }, // Letter
    { 2, 215.9, 279.4 }, // LetterSmall
    { 3, 279.4, 431.8 }, // Tabloid
    { 4, 431.8, 279.4 }, // Ledger
    { 5, 215.9, 355.6 }, // Legal
    { 6, 139.7, 215.9 }, // Statement
    { 7, 184.15, 266.7 }, // Executive
    { 8, 297, 420 }, // A3
    { 9, 210, 297 }, // A4
    { 10, 210, 297 }, // A4Small
    { 11, 148, 210 }, // A5
    { 12, 250, 354 }, // B4
    { 13, 182, 257 }, // B5
    { 14, 215.9, 330.2 }, // Folio
    { 15, 215, 275 }, // Quarto
    { 16, 254, 355.6 }, // 10X14
    { 17, 279.4, 431.8 }, // 11X17
    { 18, 215.9, 279.4 }, // Note
    { 19, 98.425, 225.425 }, // Env9
    { 20, 104.775, 241.3 }, // Env10
    { 21, 114.3, 263.525 }, // Env11
    { 22, 120.65, 279.4 }, // Env12
    { 23, 127, 292.1 }, // Env14
    { 24, 431.8, 558.8 }, // CSheet
    { 25, 558.8, 863.6 }, // DSheet
    { 26, 863.6, 1117.6 }, // ESheet
};

}

const StandardPaper* standardPapers() { return Papers; }

int nearestStandardPaper(int widthMm, int lengthMm)
{
    int best = Papers[0].code;
    long bestDistance = std::numeric_limits<long>::max();
    for (const StandardPaper& paper : Papers) {
        const long distance = std::labs(static_cast<long>(paper.widthMm) - widthMm)
            + std::labs(static_cast<long>(paper.lengthMm) - lengthMm);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = paper.code;
        }
    }
    return best;
}

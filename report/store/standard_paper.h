#pragma once

// The platform's standard paper sizes Letter (1) to ESheet (26), portrait
// width and length in millimetres.
struct StandardPaper {
    int code;
    double widthMm;
    double lengthMm;
};

const StandardPaper* standardPapers();
constexpr int StandardPaperCount = 26;

// The first standard size with the smallest sum of absolute differences
// between the truncated table width and length and the given page size.
int nearestStandardPaper(int widthMm, int lengthMm);

#pragma once

#include "report/store/printer_settings.h"

#include <optional>

// The platform's standard paper codes: the ordinal of every entry from Letter
// (1) to A3ExtraTrans (68) is the platform's paper code.
enum class TBVPaperSize {
    Default,
    Letter,
    LetterSmall,
    Tabloid,
    Ledger,
    Legal,
    Statement,
    Executive,
    A3,
    A4,
    A4Small,
    A5,
    B4,
    B5,
    Folio,
    Quarto,
    bv10X14,
    bv11X17,
    Note,
    Env9,
    Env10,
    Env11,
    Env12,
    Env14,
    CSheet,
    DSheet,
    ESheet,
    EnvDL,
    EnvC5,
    EnvC3,
    EnvC4,
    EnvC6,
    EnvC65,
    EnvB4,
    EnvB5,
    EnvB6,
    EnvItaly,
    EnvMonarch,
    EnvPersonal,
    FanfoldUSStd,
    FanfoldGerStd,
    FanfoldGerLegal,
    B4ISO,
    PostcardJap,
    bv9X11,
    bv10X11,
    bv15X11,
    EnvInvite,
    Reserved1,
    Reserved2,
    LetterExtra,
    LegalExtra,
    TabloidExtra,
    A4Extra,
    LetterTrans,
    A4Trans,
    LetterExtraTrans,
    SuperASuperAA4,
    SuperBSuperBA3,
    LetterPlus,
    A4Plus,
    A5Trans,
    B5Trans,
    A3Extra,
    A5Extra,
    B5Extra,
    A2,
    A3Trans,
    A3ExtraTrans,
    Custom,
};

// Portrait width and length of a standard paper, in millimetres.
struct PaperDimensions {
    long double widthMm;
    long double lengthMm;
};

// The table size of a standard paper (Letter to A3ExtraTrans); none for Default and Custom.
std::optional<PaperDimensions> paperDimensions(TBVPaperSize paper);

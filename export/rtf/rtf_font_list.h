#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

// The font table of an RTF document: every font family installed on the
// machine, with the family class a word processor uses to pick a similar
// font when the family itself is missing on the reader's machine.
struct RtfFontFamily {
    QString name;
    int familyClass = 0; // 0 nil, 1 roman, 2 swiss, 3 modern, 4 script, 5 decor, 6 tech, 7 bidi
};

class RtfFontList {
public:
    // The installed families, refreshed from the font database on every call,
    // and the families the system replaces with a metric-compatible one.
    static RtfFontList installed();
    // Families in enumeration order: a name equal without case to the one
    // before it is skipped, the rest sorted by name without case.
    explicit RtfFontList(const std::vector<RtfFontFamily>& enumerated);

    // The position of the family in the table, without regard to case; -1 if
    // the family is not installed.
    int indexOf(const QString& family) const;
    // "{\fonttbl{\f0\froman Name;}...}", the names escaped as texts are.
    QString tableText(const std::function<bool(QChar)>& canEncode) const;
    const std::vector<RtfFontFamily>& families() const { return m_families; }

private:
    std::vector<RtfFontFamily> m_families;
};

// The family class of a font from its own data. The OS/2 table's PANOSE
// classification decides first: a Latin text face is modern when its
// proportion is monospaced, swiss when its serif style is one of the sans
// styles (normal, obtuse, perpendicular sans, flared, rounded) and roman for
// any serif style (cove to triangle); a hand-written face is script, a
// decorative or symbol face decor. When PANOSE says nothing ("any" or "no
// fit"), the IBM family class of the same table decides: the serif classes
// roman, sans serif swiss, scripts script, ornamentals and symbolic decor.
// Failing both, a fixed-pitch font is modern and any other nil.
int familyClassFromTables(const QByteArray& os2Table, bool fixedPitch);
int familyClassOf(const QString& family);

// The family name without the foundry the font database adds when several
// foundries provide the family: "C059 [urw]" is "C059".
QString withoutFoundry(const QString& family);

// The family the system draws in place of a common family it lacks when
// that family has the same metrics ("Arial": "Liberation Sans"); empty when
// the family is installed itself or replaced by one of other metrics.
QString metricSubstitute(const QString& family);

// "\fnil", "\froman", ...; "\fnil" for a class outside 0 to 7.
QString familyKeyword(int familyClass);

#include "export/rtf/rtf_font_list.h"

#include "export/rtf/rtf_format.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QRawFont>
#include <algorithm>

namespace {

enum FamilyClass { Nil = 0, Roman = 1, Swiss = 2, Modern = 3, Script = 4, Decor = 5 };

// Offsets in the OS/2 table: the IBM family class (class in the high byte)
// and the ten PANOSE bytes that follow it.
constexpr int ibmClassOffset = 30;
constexpr int panoseFamilyKindOffset = 32;
constexpr int panoseSerifStyleOffset = 33;
constexpr int panoseProportionOffset = 35;

enum PanoseFamilyKind { LatinText = 2, LatinHandWritten = 3, LatinDecorative = 4, LatinSymbol = 5 };
constexpr int panoseMonospaced = 9;
constexpr int panoseFirstSerifStyle = 2; // cove
constexpr int panoseLastSerifStyle = 10; // triangle
constexpr int panoseLastSansStyle = 15; // rounded

int classFromPanose(const QByteArray& os2)
{
    const auto byteAt = [&os2](int offset) { return static_cast<unsigned char>(os2.at(offset)); };
    switch (byteAt(panoseFamilyKindOffset)) {
    case LatinText: {
        if (byteAt(panoseProportionOffset) == panoseMonospaced)
            return Modern;
        const int serifStyle = byteAt(panoseSerifStyleOffset);
        if (serifStyle >= panoseFirstSerifStyle && serifStyle <= panoseLastSerifStyle)
            return Roman;
        if (serifStyle > panoseLastSerifStyle && serifStyle <= panoseLastSansStyle)
            return Swiss;
        return Nil;
    }
    case LatinHandWritten:
        return Script;
    case LatinDecorative:
    case LatinSymbol:
        return Decor;
    default:
        return Nil;
    }
}

int classFromIbmClass(const QByteArray& os2)
{
    switch (static_cast<unsigned char>(os2.at(ibmClassOffset))) {
    case 1: // oldstyle serifs
    case 2: // transitional serifs
    case 3: // modern serifs
    case 4: // clarendon serifs
    case 5: // slab serifs
    case 7: // freeform serifs
        return Roman;
    case 8: // sans serif
        return Swiss;
    case 9: // ornamentals
    case 12: // symbolic
        return Decor;
    case 10: // scripts
        return Script;
    default:
        return Nil;
    }
}

bool equalWithoutCase(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

struct MetricAlias {
    const char* family;
    std::vector<const char*> compatible;
};

// Common families and the free families of the same metrics that fontconfig
// stands in for them (its metric aliases).
const std::vector<MetricAlias>& metricAliases()
{
    static const std::vector<MetricAlias> aliases {
        { "Arial", { "Liberation Sans", "Arimo", "Albany", "Albany AMT" } },
        { "Arial Narrow", { "Liberation Sans Narrow" } },
        { "Times New Roman", { "Liberation Serif", "Tinos", "Thorndale", "Thorndale AMT" } },
        { "Courier New", { "Liberation Mono", "Cousine", "Cumberland", "Cumberland AMT" } },
        { "Helvetica", { "Nimbus Sans", "Nimbus Sans L", "TeX Gyre Heros" } },
        { "Times", { "Nimbus Roman", "Nimbus Roman No9 L", "TeX Gyre Termes" } },
        { "Courier", { "Nimbus Mono PS", "Nimbus Mono", "Nimbus Mono L", "TeX Gyre Cursor" } },
        { "Georgia", { "Gelasio" } },
        { "Cambria", { "Caladea" } },
        { "Calibri", { "Carlito" } },
    };
    return aliases;
}

}

int familyClassFromTables(const QByteArray& os2Table, bool fixedPitch)
{
    int familyClass = Nil;
    if (os2Table.size() > panoseProportionOffset) {
        familyClass = classFromPanose(os2Table);
        if (familyClass == Nil)
            familyClass = classFromIbmClass(os2Table);
    }
    if (familyClass == Nil && fixedPitch)
        familyClass = Modern;
    return familyClass;
}

int familyClassOf(const QString& family)
{
    // Reading a font's tables costs a font lookup; the class of a family
    // does not change while the process runs.
    static QHash<QString, int> known;
    const auto found = known.constFind(family);
    if (found != known.constEnd())
        return *found;
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    const int familyClass = familyClassFromTables(
        raw.isValid() ? raw.fontTable("OS/2") : QByteArray(), QFontDatabase::isFixedPitch(family));
    known.insert(family, familyClass);
    return familyClass;
}

QString familyKeyword(int familyClass)
{
    static const char* const keywords[]
        = { "\\fnil", "\\froman", "\\fswiss", "\\fmodern", "\\fscript", "\\fdecor", "\\ftech", "\\fbidi" };
    if (familyClass < 0 || familyClass > 7)
        familyClass = 0;
    return QString::fromLatin1(keywords[familyClass]);
}

// The database names a family that several foundries provide once per
// foundry ("C059 [urw]"); a reader knows the family by its name alone.
QString withoutFoundry(const QString& family)
{
    const qsizetype foundry = family.lastIndexOf(QLatin1String(" ["));
    return foundry > 0 && family.endsWith(']') ? family.left(foundry) : family;
}

QString metricSubstitute(const QString& family)
{
    const auto& aliases = metricAliases();
    const auto alias = std::find_if(aliases.begin(), aliases.end(),
        [&family](const MetricAlias& entry) { return equalWithoutCase(family, QLatin1String(entry.family)); });
    if (alias == aliases.end())
        return QString();
    const QString substitute = withoutFoundry(QFontInfo(QFont(family)).family());
    const bool compatible = std::any_of(alias->compatible.begin(), alias->compatible.end(),
        [&substitute](const char* twin) { return equalWithoutCase(substitute, QLatin1String(twin)); });
    return compatible ? substitute : QString();
}

// A report's texts ask for their font by name; where the system lays them out
// in a metric-compatible substitute, the reader's word processor shall see the
// name and make its own substitution, as a font that is not there at all
// would leave the text in the reader's default font.
RtfFontList RtfFontList::installed()
{
    std::vector<RtfFontFamily> enumerated;
    for (const QString& family : QFontDatabase::families())
        enumerated.push_back({ withoutFoundry(family), familyClassOf(family) });
    for (const MetricAlias& alias : metricAliases()) {
        const QString substitute = metricSubstitute(QLatin1String(alias.family));
        if (!substitute.isEmpty())
            enumerated.push_back({ QLatin1String(alias.family), familyClassOf(substitute) });
    }
    return RtfFontList(enumerated);
}

RtfFontList::RtfFontList(const std::vector<RtfFontFamily>& enumerated)
{
    for (const RtfFontFamily& family : enumerated) {
        if (!m_families.empty() && equalWithoutCase(m_families.back().name, family.name))
            continue;
        m_families.push_back(family);
    }
    std::stable_sort(m_families.begin(), m_families.end(),
        [](const RtfFontFamily& a, const RtfFontFamily& b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
}

int RtfFontList::indexOf(const QString& family) const
{
    const auto found = std::find_if(m_families.begin(), m_families.end(),
        [&family](const RtfFontFamily& entry) { return equalWithoutCase(entry.name, family); });
    return found == m_families.end() ? -1 : static_cast<int>(found - m_families.begin());
}

QString RtfFontList::tableText(const std::function<bool(QChar)>& canEncode) const
{
    QString text = QStringLiteral("{\\fonttbl");
    for (size_t i = 0; i < m_families.size(); ++i)
        text += QStringLiteral("{\\f%1").arg(i) + familyKeyword(m_families[i].familyClass) + ' '
            + Rtf::escapeText(m_families[i].name, canEncode) + QStringLiteral(";}");
    return text + '}';
}

#include "export/rtf/rtf_font_list.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList names(const RtfFontList& list)
{
    QStringList result;
    for (const RtfFontFamily& family : list.families())
        result << family.name;
    return result;
}

TEST(RtfFontList, NeighboursEqualWithoutCaseSkippedThenSortedWithoutCase)
{
    const RtfFontList list({ { "b", 0 }, { "B", 0 }, { "a", 0 }, { "C", 0 }, { "c", 0 }, { "A", 0 } });
    EXPECT_EQ(names(list), QStringList({ "a", "A", "b", "C" }));
    EXPECT_EQ(list.indexOf("c"), 3);
    EXPECT_EQ(list.indexOf("Arial"), -1);
}

TEST(RtfFontList, TableNamesEveryFamilyWithItsClass)
{
    const RtfFontList list({ { "Liberation Serif", 1 }, { "Liberation Sans", 2 }, { "{odd}", 9 } });
    EXPECT_EQ(list.tableText([](QChar) { return true; }),
        "{\\fonttbl{\\f0\\fswiss Liberation Sans;}{\\f1\\froman Liberation Serif;}{\\f2\\fnil \\{odd\\};}}");
}

// An OS/2 table long enough for the PANOSE bytes, with the IBM class and
// the PANOSE family kind, serif style and proportion filled in.
QByteArray os2(int ibmClass, int familyKind, int serifStyle, int proportion)
{
    QByteArray table(96, '\0');
    table[30] = static_cast<char>(ibmClass);
    table[32] = static_cast<char>(familyKind);
    table[33] = static_cast<char>(serifStyle);
    table[35] = static_cast<char>(proportion);
    return table;
}

struct ClassCase {
    QByteArray table;
    bool fixedPitch;
    int familyClass;
};

class FamilyClass : public testing::TestWithParam<ClassCase> { };

TEST_P(FamilyClass, FromPanoseThenIbmClassThenPitch)
{
    EXPECT_EQ(familyClassFromTables(GetParam().table, GetParam().fixedPitch), GetParam().familyClass);
}

INSTANTIATE_TEST_SUITE_P(Tables, FamilyClass,
    testing::Values(ClassCase { os2(8, 2, 11, 4), false, 2 }, ClassCase { os2(1, 2, 2, 3), false, 1 },
        ClassCase { os2(0, 2, 11, 9), false, 3 }, ClassCase { os2(0, 3, 0, 0), false, 4 },
        ClassCase { os2(0, 4, 0, 0), false, 5 }, ClassCase { os2(0, 5, 0, 0), false, 5 },
        // PANOSE "any": the IBM class decides.
        ClassCase { os2(8, 0, 0, 0), false, 2 }, ClassCase { os2(10, 0, 0, 0), false, 4 },
        ClassCase { os2(3, 1, 0, 0), false, 1 }, ClassCase { os2(0, 0, 0, 0), true, 3 },
        ClassCase { os2(0, 0, 0, 0), false, 0 }, ClassCase { QByteArray(), true, 3 },
        ClassCase { QByteArray(), false, 0 }));

TEST(RtfFontList, InstalledFamiliesClassedFromTheirOwnData)
{
    const RtfFontList list = RtfFontList::installed();
    const auto classOf = [&list](const char* family) {
        const int index = list.indexOf(family);
        return index < 0 ? -1 : list.families().at(static_cast<size_t>(index)).familyClass;
    };
    EXPECT_EQ(classOf("Liberation Sans"), 2);
    EXPECT_EQ(classOf("liberation serif"), 1);
    EXPECT_EQ(classOf("Liberation Mono"), 3);
}

// Arial, Times New Roman and Courier New are not installed here; fontconfig
// draws them in the Liberation families of the same metrics, so a word
// processor shall see their names. A family replaced by a font of other
// metrics stays out of the table.
TEST(RtfFontList, FamiliesTheSystemReplacesByTheirMetricTwinsCountAsInstalled)
{
    EXPECT_EQ(metricSubstitute("Arial"), "Liberation Sans");
    EXPECT_EQ(metricSubstitute("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(metricSubstitute("Courier New"), "Liberation Mono");
    EXPECT_EQ(metricSubstitute("Liberation Sans"), "");
    EXPECT_EQ(metricSubstitute("MS Sans Serif"), "");
    EXPECT_EQ(metricSubstitute("Verdana"), "");
    const RtfFontList list = RtfFontList::installed();
    const int arial = list.indexOf("Arial");
    ASSERT_GE(arial, 0);
    EXPECT_EQ(list.families().at(static_cast<size_t>(arial)).name, "Arial");
    EXPECT_EQ(list.families().at(static_cast<size_t>(arial)).familyClass, 2);
    EXPECT_EQ(list.indexOf("Verdana"), -1);
    EXPECT_LT(list.indexOf("Arial"), list.indexOf("C059"));
}

} // namespace

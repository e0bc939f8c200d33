#include "report/preview/paging.h"
#include "report/preview/save_target.h"
#include "report/preview/screen_fit.h"
#include "report/preview/text_search.h"
#include "report/preview/thumb_grid.h"
#include "report/preview/zoom.h"

#include <gtest/gtest.h>
#include <map>

namespace {

const QSize A4PortraitPx(794, 1123);

struct FitCase {
    QSize area;
    QSize page;
    int fitPage;
    int fitWidth;
};

class ZoomFit : public ::testing::TestWithParam<FitCase> { };

TEST_P(ZoomFit, FitsPageAndWidth)
{
    const FitCase& c = GetParam();
    EXPECT_EQ(fitToPageZoom(c.area, c.page), c.fitPage);
    EXPECT_EQ(fitToWidthZoom(c.area.width(), c.page.width()), c.fitWidth);
}

INSTANTIATE_TEST_SUITE_P(Areas, ZoomFit,
    ::testing::Values(
        // The height limits an A4 page in a wide area: min(round(66.52), round(37.81)).
        FitCase { QSize(556, 447), A4PortraitPx, 38, 63 },
        // Landscape page in a tall area: the width limits.
        FitCase { QSize(600, 1200), QSize(1123, 794), 51, 48 },
        // 794 / 794 * 90 and 95: no rounding at all.
        FitCase { QSize(794, 2000), A4PortraitPx, 95, 90 },
        // 5 / 794 * 90 rounds to 1, below the smallest zoom.
        FitCase { QSize(5, 5), A4PortraitPx, MinZoom, MinZoom },
        FitCase { QSize(100000, 100000), A4PortraitPx, MaxZoom, MaxZoom }));

TEST(Zoom, ValidRangeIsTwoToTwoThousand)
{
    EXPECT_FALSE(isValidZoom(1));
    EXPECT_TRUE(isValidZoom(2));
    EXPECT_TRUE(isValidZoom(2000));
    EXPECT_FALSE(isValidZoom(2001));
}

TEST(Zoom, ImageIsZoomedPagePlusOutlineAndShadow)
{
    EXPECT_EQ(zoomedImageSize(A4PortraitPx, 100), QSize(798, 1127));
    // 794 * 0.38 = 301.72 and 1123 * 0.38 = 426.74.
    EXPECT_EQ(zoomedImageSize(A4PortraitPx, 38), QSize(306, 431));
    // 5 * 0.5 = 2.5 rounds to the even 2, 7 * 0.5 = 3.5 to 4.
    EXPECT_EQ(zoomedImageSize(QSize(5, 7), 50), QSize(6, 8));
}

TEST(Zoom, WindowWithoutStoredSizeShowsToolBarAndAPageAtFitToWidth)
{
    const QSize designed(753, 499);
    const QSize chrome(250, 90);
    const QSize screen(1280, 1000);
    // 570 / 794 * 90 = 64.6 gives zoom 65; 1123 * 0.65 = 729.95, plus 4 for
    // the outline, plus the chrome.
    EXPECT_EQ(fittingWindowSize(designed, 820, chrome, A4PortraitPx, screen), QSize(820, 824));
    // A tool bar narrower than the designed window keeps the designed width:
    // 503 / 794 * 90 = 57.01, 1123 * 0.57 = 640.11.
    EXPECT_EQ(fittingWindowSize(designed, 500, chrome, A4PortraitPx, screen), QSize(753, 734));
    // A small screen bounds both.
    EXPECT_EQ(fittingWindowSize(designed, 820, chrome, A4PortraitPx, QSize(800, 600)), QSize(800, 600));
}

struct PagingCase {
    TBVPageCommand command;
    int current;
    int pageCount;
    bool finished;
    std::optional<int> target;
};

class Paging : public ::testing::TestWithParam<PagingCase> { };

TEST_P(Paging, CommandLeadsToPage)
{
    const PagingCase& c = GetParam();
    EXPECT_EQ(pageForCommand(c.command, c.current, c.pageCount, c.finished), c.target);
}

INSTANTIATE_TEST_SUITE_P(Commands, Paging,
    ::testing::Values(
        // A report of one page stays on page 1 whatever is pressed.
        PagingCase { TBVPageCommand::First, 1, 1, true, 1 },
        PagingCase { TBVPageCommand::Previous, 1, 1, true, std::nullopt },
        PagingCase { TBVPageCommand::Next, 1, 1, true, std::nullopt },
        PagingCase { TBVPageCommand::Last, 1, 1, true, 1 }, PagingCase { TBVPageCommand::Next, 2, 5, true, 3 },
        PagingCase { TBVPageCommand::Previous, 5, 5, true, 4 }, PagingCase { TBVPageCommand::Last, 1, 5, true, 5 },
        // While pages are made, the newest page is held back.
        PagingCase { TBVPageCommand::Last, 1, 5, false, 4 },
        PagingCase { TBVPageCommand::Last, 1, 1, false, std::nullopt }));

TEST(Paging, PromptAnswerThatIsNoPageShowsPageOne)
{
    const std::map<QString, int> answers = {
        { "abc", 1 },
        { "", 1 },
        { "0", 1 },
        { "-2", 1 },
        { "8", 1 },
        { "3", 3 },
        { " 7 ", 7 },
        { "2.5", 1 },
    };
    for (const auto& [answer, page] : answers)
        EXPECT_EQ(pageFromPrompt(answer, 7), page) << answer.toStdString();
}

TEST(Paging, StatusText) { EXPECT_EQ(pageStatusText(3, 12), "Page 3 of 12"); }

TEST(ProgressPanel, WritesOnlyStepsOfFiveAndClearsAtEnds)
{
    ProgressPanel panel;
    EXPECT_EQ(panel.update(3), std::nullopt);
    EXPECT_EQ(panel.update(5), QString("5%"));
    EXPECT_EQ(panel.update(9), std::nullopt);
    EXPECT_EQ(panel.update(10), QString("10%"));
    EXPECT_EQ(panel.update(100), QString());
    // After clearing, counting starts again from 0.
    EXPECT_EQ(panel.update(7), QString("7%"));
    EXPECT_EQ(panel.update(0), QString());
}

struct SearchCase {
    const char* record;
    const char* search;
    bool matchCase;
    bool matches;
};

class Search : public ::testing::TestWithParam<SearchCase> { };

TEST_P(Search, CaseRules)
{
    const SearchCase& c = GetParam();
    EXPECT_EQ(recordMatches(QString::fromUtf8(c.record), QString::fromUtf8(c.search), c.matchCase), c.matches);
}

INSTANTIATE_TEST_SUITE_P(Texts, Search,
    ::testing::Values(SearchCase { "Jahr", "jahr", false, true }, SearchCase { "Jahr", "jahr", true, false },
        SearchCase { "Jahr", "Jahr", true, true }, SearchCase { "Im 3. Jahr", "JAHR", false, true },
        SearchCase { "Übersicht", "übers", false, true }, SearchCase { "Betrag 12,50 €", "€", true, true },
        SearchCase { "Jahr", "Jahre", false, false }, SearchCase { "Jahr", "", false, false }));

TEST(Search, FindsEachMatchingPageOnce)
{
    const std::map<int, QStringList> pages = {
        { 1, { "Anlageentwicklung", "Jahr 1" } },
        { 2, { "Summe" } },
        { 3, { "jahr", "Jahr 2", "Jahr 3" } },
    };
    const auto texts = [&](int page) { return pages.at(page); };
    EXPECT_EQ(findPages(3, texts, "jahr", false), (std::vector<int> { 1, 3 }));
    EXPECT_EQ(findPages(3, texts, "jahr", true), (std::vector<int> { 3 }));
    EXPECT_TRUE(findPages(3, texts, "Depot", false).empty());
}

struct SaveCase {
    const char* chosen;
    int filterIndex;
    const char* defaultExtension;
    const char* fileName;
    const char* extension;
};

class SaveTargets : public ::testing::TestWithParam<SaveCase> { };

TEST_P(SaveTargets, NameAndType)
{
    const SaveCase& c = GetParam();
    const QStringList library = { "XLS", "PDF", "HTM", "RTF" };
    const SaveTarget target = resolveSaveTarget(c.chosen, c.filterIndex, c.defaultExtension, library);
    EXPECT_EQ(target.fileName, QString(c.fileName));
    EXPECT_EQ(target.extension, QString(c.extension));
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveTargets,
    ::testing::Values(
        // The second entry is the stored report file.
        SaveCase { "/tmp/plan", 2, ".PDF", "/tmp/plan.BVP", "BVP" },
        SaveCase { "/tmp/plan", 1, ".BVP", "/tmp/plan.BVP", "BVP" },
        // A typed extension wins over the chosen entry; only three letters count.
        SaveCase { "/tmp/plan.html", 2, ".BVP", "/tmp/plan.html", "HTM" },
        SaveCase { "/tmp/plan.xls", 4, ".BVP", "/tmp/plan.xls", "XLS" },
        SaveCase { "/tmp/plan", 1, ".HTML", "/tmp/plan.HTML", "HTM" },
        // Entries from the third on are the library's filters in order.
        SaveCase { "/tmp/plan", 4, ".BVP", "/tmp/plan.PDF", "PDF" },
        SaveCase { "/tmp/plan", 9, ".RTF", "/tmp/plan.RTF", "RTF" },
        SaveCase { "/tmp/plan.", 2, ".BVP", "/tmp/plan.BVP", "BVP" },
        SaveCase { "/tmp/my.reports/plan", 2, ".BVP", "/tmp/my.reports/plan.BVP", "BVP" }));

TEST(SaveDialog, FilterListStartsWithTheDefaultTypeThenTheLibrary)
{
    EXPECT_EQ(defaultSaveExtension(TPrevSaveType::stHTML), ".HTML");
    EXPECT_EQ(defaultSaveExtension(TPrevSaveType::stASCII), ".TXT");
    const QString text = saveDialogFilterText(".BVP", "Belvanto file(*.BVP)|*.BVP|PDF document (*.PDF)|*.PDF");
    EXPECT_EQ(text, ".BVP|*.BVP|Belvanto file(*.BVP)|*.BVP|PDF document (*.PDF)|*.PDF");
    EXPECT_EQ(
        dialogNameFilters(text), (QStringList { ".BVP (*.BVP)", "Belvanto file(*.BVP)", "PDF document (*.PDF)" }));
}

// Regression: accepting the save dialog unchanged wrote a file named "*.BVP".
TEST(SaveDialog, ProposesTheReportTitleAsARealFileName)
{
    EXPECT_EQ(proposedSaveName("Anlageentwicklung", ".PDF", "/home/anna/Dokumente"),
        "/home/anna/Dokumente/Anlageentwicklung.PDF");
    EXPECT_EQ(proposedSaveName(" Plan 1/2: *neu?* ", ".BVP", "/tmp"), "/tmp/Plan 1_2_ _neu__.BVP");
    EXPECT_EQ(proposedSaveName("", ".BVP", "/tmp"), "/tmp/Report.BVP");
    EXPECT_FALSE(holdsWildcard(proposedSaveName("*", ".BVP", "/tmp")));
    EXPECT_TRUE(holdsWildcard("/home/anna/*.BVP"));
    EXPECT_TRUE(holdsWildcard("plan?.pdf"));
    EXPECT_FALSE(holdsWildcard("/tmp/what*/plan.pdf"));
}

TEST(Thumbnails, SizeFollowsGridWidthAndPageProportion)
{
    // 193 - 24 = 169 wide; 169 * 2970 / 2100 - 16 = 223.02.
    EXPECT_EQ(thumbnailSize(193, 2100, 2970, 16), QSize(169, 223));
    // Landscape: 169 * 2100 / 2970 - 16 = 103.49.
    EXPECT_EQ(thumbnailSize(193, 2970, 2100, 16).height(), 103);
}

// Windows on small and scaled screens: the frame of 4 pixels around and a
// title bar of 20 must lie on the available area too.
struct ScreenCase {
    const char* what;
    QRect wanted;
    QRect available;
    QRect fitted;
};

class ScreenFitting : public ::testing::TestWithParam<ScreenCase> { };

TEST_P(ScreenFitting, KeepsWhatFitsMovesOrShrinksTheRest)
{
    const QMargins frame(4, 20, 4, 4);
    EXPECT_EQ(fitOnScreen(GetParam().wanted, frame, GetParam().available), GetParam().fitted) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Windows, ScreenFitting,
    ::testing::Values(ScreenCase { "main window at its place on 1280 x 1024", QRect(320, 200, 480, 242),
                          QRect(0, 0, 1280, 1024), QRect(320, 200, 480, 242) },
        // Scale factor 2 on 1280 x 1024: 640 x 512 logical pixels; moved left
        // by what sticks out, its top kept.
        ScreenCase { "main window at scale factor 2", QRect(320, 200, 480, 242), QRect(0, 0, 640, 512),
            QRect(156, 200, 480, 242) },
        ScreenCase { "main window sticking out below", QRect(320, 400, 480, 242), QRect(0, 0, 640, 512),
            QRect(156, 266, 480, 242) },
        // The preview's 753 x 834 on 1366 x 768: only the height shrinks, to
        // 768 - 24; the frame's top at the screen's top.
        ScreenCase { "preview taller than the screen", QRect(310, 0, 753, 834), QRect(0, 0, 1366, 768),
            QRect(310, 20, 753, 744) },
        ScreenCase { "a window wider and taller than the area", QRect(-50, -50, 2000, 2000), QRect(0, 30, 1024, 738),
            QRect(4, 50, 1016, 714) },
        ScreenCase { "a window left of a second screen's area", QRect(1200, 100, 400, 300), QRect(1366, 0, 1280, 1024),
            QRect(1370, 100, 400, 300) }));

} // namespace

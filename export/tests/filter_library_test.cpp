#include "export/filter_library.h"

#include <gtest/gtest.h>

namespace {

template <int N> class FakeFormat : public TBVExportFilter {
public:
    using TBVExportFilter::TBVExportFilter;
    QString DisplayName() const override { return names[N]; }
    QString FileExtension() const override { return extensions[N]; }

private:
    static constexpr const char* names[] = { "Excel spreadsheet", "PDF document", "HTML document", "RTF File" };
    static constexpr const char* extensions[] = { "XLS", "PDF", "HTM", "RTF" };
};

const auto xls = TBVExportFilterClass::of<FakeFormat<0>>("TBVXLSFilter");
const auto pdf = TBVExportFilterClass::of<FakeFormat<1>>("TBVPDFDocumentFilter");
const auto html = TBVExportFilterClass::of<FakeFormat<2>>("TBVGHTMLDocumentFilter");
const auto rtf = TBVExportFilterClass::of<FakeFormat<3>>("TBVRTFExportFilter");

TBVExportFilterLibrary libraryOfBothReportForms()
{
    TBVExportFilterLibrary library;
    // First form: spreadsheet, PDF, HTML, RTF; the second form brings PDF and spreadsheet again.
    for (const auto& filterClass : { xls, pdf, html, rtf, pdf, xls })
        library.AddFilterClass(filterClass);
    return library;
}

TEST(FilterLibrary, BothReportFormsListFiveTypesAfterTheStoredReport)
{
    const auto library = libraryOfBothReportForms();
    EXPECT_EQ(library.count(), 4);
    EXPECT_EQ(library.DialogFilterText(),
        "Belvanto file(*.BVP)|*.BVP|Excel spreadsheet (*.XLS)|*.XLS|PDF document (*.PDF)|*.PDF"
        "|HTML document (*.HTM)|*.HTM|RTF File (*.RTF)|*.RTF");
}

TEST(FilterLibrary, ExtensionsCompareWithoutCase)
{
    const auto library = libraryOfBothReportForms();
    const auto* entry = library.FilterForExtension("xls");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->filterClass.className, "TBVXLSFilter");
    EXPECT_EQ(library.FilterForExtension("doc"), nullptr);
}

TEST(FilterLibrary, RemovalDropsTheEntryEvenIfAnotherComponentStillUsesIt)
{
    auto library = libraryOfBothReportForms();
    library.RemoveFilterClass(pdf);
    EXPECT_EQ(library.count(), 3);
    EXPECT_EQ(library.FilterForExtension("PDF"), nullptr);
    library.RemoveFilterClass(pdf);
    EXPECT_EQ(library.count(), 3);
}

TEST(FilterLibrary, EntryCreatesAFilterForTheChosenFile)
{
    const auto library = libraryOfBothReportForms();
    auto filter = library.FilterForExtension("RTF")->filterClass.create("/tmp/plan.rtf");
    EXPECT_EQ(filter->FileName(), "/tmp/plan.rtf");
    EXPECT_FALSE(filter->Active());
    EXPECT_EQ(filter->Owner(), nullptr);
}

} // namespace

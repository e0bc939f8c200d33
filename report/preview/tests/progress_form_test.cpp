#include "export/filter.h"
#include "report/engine/memo.h"
#include "report/engine/report.h"
#include "report/preview/progress_form.h"
#include "report/preview/report_preview.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(ProgressForm, OnlyMultiplesOfFiveMoveTheBarAndTheLabel)
{
    TBVProgressForm form(progressCaption(TBVRunKind::Print), {});
    struct Step {
        int percent;
        int bar;
        QString label;
    };
    const Step steps[] = {
        { 40, 40, "40%  Completed" },
        { 42, 40, "40%  Completed" },
        { 0, 0, "0%  Completed" },
        { 100, 100, "100%  Completed" },
        { 105, 100, "100%  Completed" },
    };
    for (const Step& step : steps) {
        form.setPercent(step.percent);
        EXPECT_EQ(form.progressBar()->value(), step.bar) << step.percent;
        EXPECT_EQ(form.label()->text(), step.label) << step.percent;
    }
    EXPECT_EQ(form.windowTitle(), "Printing progress");
    EXPECT_EQ(form.size(), QSize(149, 97));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form.label()->alignment(), Qt::AlignCenter);
}

// A filter that watches the progress window of its own export run.
class WatchingFilter : public TBVExportFilter {
public:
    explicit WatchingFilter(TBVReport& report)
        : TBVExportFilter("watched.txt")
        , m_report(report)
    {
    }
    void BeginExport(int width, int length, const QFont& font) override
    {
        TBVExportFilter::BeginExport(width, length, font);
        if (auto* form = shownForm()) {
            caption = form->windowTitle();
            // Pressed like a user would, through the event loop the run pumps.
            if (pressCancel)
                QMetaObject::invokeMethod(form->cancelButton(), &QPushButton::click, Qt::QueuedConnection);
        }
    }
    void EndExport() override
    {
        cancelledAtEnd = m_report.activeRun()->cancelRequested();
        TBVExportFilter::EndExport();
    }
    static TBVProgressForm* shownForm()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<TBVProgressForm*>(widget); form && form->isVisible())
                return form;
        }
        return nullptr;
    }

    bool pressCancel = false;
    QString caption;
    bool cancelledAtEnd = false;

private:
    TBVReport& m_report;
};

struct ExportedReport {
    TBVReport report;
    ExportedReport()
    {
        report.PrintIfEmpty = true;
        TBVBand& detail = report.addBand(TBVBandType::rbDetail);
        detail.add<TBVMemo>("BVMemo1").setLines({ "Zeile 1", "Zeile 2" });
    }
};

TEST(ProgressForm, AnExportRunShowsItWhileShowProgressIsOnAndCancelStopsTheRun)
{
    struct Case {
        bool showProgress;
        bool pressCancel;
        QString caption;
    };
    const Case cases[] = {
        { true, false, "Exporting Progress" },
        { true, true, "Exporting Progress" },
        { false, false, "" },
    };
    for (const Case& c : cases) {
        ExportedReport plan;
        plan.report.ShowProgress = c.showProgress;
        ReportPreview preview(plan.report);
        WatchingFilter filter(plan.report);
        filter.pressCancel = c.pressCancel;
        preview.ExportToFilter(filter);
        EXPECT_EQ(filter.caption, c.caption) << c.showProgress;
        EXPECT_EQ(filter.cancelledAtEnd, c.pressCancel) << c.pressCancel;
        // The window goes with its run.
        EXPECT_EQ(WatchingFilter::shownForm(), nullptr);
        EXPECT_TRUE(plan.report.Idle());
    }
}

} // namespace

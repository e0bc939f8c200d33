#include "export/filter_library.h"
#include "export/xls/xls_filter.h"
#include "fake_plan_source.h"
#include "plans/print_commands.h"
#include "plans/report_plan_definition.h"
#include "report/engine/report.h"
#include "report/engine/report_run.h"
#include "report/store/printer.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <map>

namespace {

// What the progress window of a run was told.
struct ProgressLog {
    QStringList captions;
    QList<int> percents;
};

class RecordingProgress : public TBVRunProgress {
public:
    explicit RecordingProgress(ProgressLog& log)
        : m_log(log)
    {
    }
    void setPercent(int percent) override { m_log.percents << percent; }
    void setCaption(const QString& caption) override { m_log.captions << caption; }

private:
    ProgressLog& m_log;
};

// Exports every report it is handed to the spreadsheet format in memory,
// with a progress window that records what it shows.
class SpreadsheetOutput : public PlanOutput {
public:
    void preview(PlanDefinition& definition) override
    {
        TBVReport& report = *definition.report();
        report.setProgressFactory([this](TBVReportRun&) { return std::make_unique<RecordingProgress>(progress); });
        TBVPrinter printer;
        TBVXLSFilter filter { QString() };
        report.ExportToFilter(filter, printer);
        bytes = filter.StreamBytes();
    }

    QByteArray bytes;
    ProgressLog progress;
};

// The text cells of a spreadsheet stream by row, in column order.
std::map<int, QStringList> textRows(const QByteArray& bytes)
{
    std::map<int, QStringList> rows;
    for (qsizetype at = 0; at + 4 <= bytes.size();) {
        const auto* record = reinterpret_cast<const uchar*>(bytes.constData() + at);
        const int length = qFromLittleEndian<quint16>(record + 2);
        if (qFromLittleEndian<quint16>(record) == 0x0004) {
            const QByteArray text = bytes.mid(at + 12, record[11]);
            rows[qFromLittleEndian<quint16>(record + 4)]
                << QString::fromLatin1(text).replace(QChar(0x80), QChar(0x20AC)).trimmed();
        }
        at += 4 + length;
    }
    return rows;
}

TEST(ExportFormats, BothReportFormsOfferTheFourFormatsInFormOrder)
{
    TQEntwicklung entwicklung;
    TTilgungsplan tilgungsplan;
    EXPECT_EQ(TBVExportFilterLibrary::instance().DialogFilterText(),
        "Belvanto file(*.BVP)|*.BVP|Excel spreadsheet (*.XLS)|*.XLS|PDF document (*.PDF)|*.PDF"
        "|HTML document (*.HTM)|*.HTM|RTF File (*.RTF)|*.RTF");
}

TEST(ExportFormats, SpreadsheetOfTheDefaultPlanKeepsLabelAndAmountInOneRow)
{
    FakePlanSource source;
    TQEntwicklung entwicklung;
    TTilgungsplan tilgungsplan;
    SpreadsheetOutput output;
    PrintCommands commands(source, entwicklung, tilgungsplan, output, QString::fromUtf8("€"));
    ASSERT_EQ(commands.Anlageentwicklung1Click(), PlanOutcome::Shown);

    bool found = false;
    for (const auto& [row, texts] : textRows(output.bytes))
        found |= texts == QStringList({ "Depotwert am Ende des Anlagezeitraumes:", QString::fromUtf8("41134,80 €") });
    EXPECT_TRUE(found);
    EXPECT_EQ(output.progress.captions, QStringList({ "Writing XLS file..." }));
    ASSERT_FALSE(output.progress.percents.isEmpty());
    EXPECT_EQ(output.progress.percents.first(), 0);
    EXPECT_TRUE(std::is_sorted(output.progress.percents.begin(), output.progress.percents.end()));
    EXPECT_LT(output.progress.percents.last(), 100);
}

} // namespace

#pragma once

#include "export/filter.h"

class TBVReport;

// How an export filter sees the report it exports: the report's page setup,
// the conversions of the run's page printer and the report constants.
class ReportExportContext : public ExportContext {
public:
    explicit ReportExportContext(TBVReport& report);

    TBVExportPageSetup pageSetup() const override;
    int deviceX(long double xNative) const override;
    int deviceY(long double yNative) const override;
    long double horizontalFactor() const override;
    long double verticalFactor() const override;
    QVariant constant(const QString& name) const override;
    void setConstant(const QString& name, const QVariant& value) override;
    void setProgressCaption(const QString& caption) override;
    void reportProgress(int percent) override;

private:
    TBVReport& m_report;
};

#pragma once

#include "report/engine/label.h"
#include "report/engine/memo.h"
#include "report/engine/report.h"

#include <QStringList>

// A test report of a heading and a memo of lines "<word> n" that continues
// over as many pages as its lines need (seventy lines make five pages).
struct PagedMemoReport {
    TBVReport report;

    PagedMemoReport(int lines, const QString& title, const QString& heading, const QString& word)
    {
        report.setUnits(TBVUnit::MM);
        report.Page().setPaperSize(TBVPaperSize::A4);
        report.PrintIfEmpty = true;
        report.ReportTitle = title;
        TBVBand& detail = report.addBand(TBVBandType::rbDetail);
        detail.Size().setValue(TBVBandSize::Height, 216.69L);
        detail.add<TBVLabel>("Titel").setCaption(heading);
        auto& memo = detail.add<TBVMemo>("BVMemo1");
        memo.Size().setValue(TBVPrintableSize::Top, 20);
        memo.Size().setValue(TBVPrintableSize::Height, 4.5L);
        memo.AutoStretch = true;
        QStringList text;
        for (int i = 1; i <= lines; ++i)
            text << QString("%1 %2").arg(word).arg(i);
        memo.setLines(text);
    }
};

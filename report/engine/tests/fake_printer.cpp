#include "fake_printer.h"

#include "report/engine/reference_device.h"
#include "report/store/bv_error.h"

#include <cmath>

int RecordingCanvas::textWidth(const PageFont& font, const QString& text) const
{
    return static_cast<int>(std::ceil(ReferenceDevice::textWidth(font, text, m_dpi)));
}

int RecordingCanvas::textHeight(const PageFont& font, const QString&) const
{
    if (m_fixedTextHeight > 0)
        return m_fixedTextHeight;
    return static_cast<int>(std::ceil(ReferenceDevice::textHeight(font, m_dpi)));
}

void FakePrinter::StartJob()
{
    if (status != Status::Idle)
        throw EBVError(BVErrorText::PrinterNotReady);
    status = Status::Busy;
}

void FakePrinter::NewPage()
{
    if (status != Status::Busy)
        throw EBVError(BVErrorText::IllegalNewPage);
    pages.push_back(std::make_unique<RecordingCanvas>(96, fixedTextHeight));
}

void FakePrinter::FinishJob()
{
    if (status == Status::Busy)
        status = Status::Finished;
}

void FakePrinter::AbortJob()
{
    aborted = true;
    if (exporting && !pages.empty())
        pages.pop_back();
    status = Status::Finished;
}

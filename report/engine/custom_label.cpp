#include "report/engine/custom_label.h"
#include "export/filter.h"

#include "report/engine/band.h"
#include "report/engine/export_shapes.h"
#include "report/engine/reference_device.h"
#include "report/engine/report.h"
#include "report/engine/report_printer.h"

#include <algorithm>
#include <cmath>

// The values of one print of the element, native.
struct TBVCustomLabel::PrintPass {
    long double left = 0;
    long double top = 0;
    long double width = 0;
    long double height = 0;
    long double lineHeight = 0;
    long double x = 0;
    long double y = 0;
    long double bottom = 0;
    long double grown = 0;
    bool hasGrown = false;
    TAlignment alignment = TAlignment::taLeftJustify;
};

TBVCustomLabel::TBVCustomLabel(TBVReport& report, TBVCustomBand* band, const QString& name)
    : TBVPrintable(report, band, name)
{
}

void TBVCustomLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    FormatLines();
}

void TBVCustomLabel::setWordWrap(bool wordWrap)
{
    m_wordWrap = wordWrap;
    FormatLines();
}

const PageFont& TBVCustomLabel::Font() const
{
    if (!m_parentFont)
        return m_font;
    return band() ? band()->Font() : report().Font();
}

void TBVCustomLabel::setFont(const PageFont& font)
{
    m_font = font;
    m_parentFont = false;
    FormatLines();
}

qreal TBVCustomLabel::designTextWidth(const QString& text) const
{
    const qreal zoom = report().unitScale().zoom;
    return (std::ceil(ReferenceDevice::textWidth(Font(), text)) + 1) * zoom / 100;
}

qreal TBVCustomLabel::designTextHeight() const
{
    return ReferenceDevice::textHeight(Font()) * report().unitScale().zoom / 100;
}

TAlignment TBVCustomLabel::effectiveAlignment() const
{
    if (!RightToLeft || Alignment() == TAlignment::taCenter)
        return Alignment();
    return Alignment() == TAlignment::taLeftJustify ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
}

void TBVCustomLabel::FormatLines()
{
    m_lines.clear();
    LineFormatOptions options;
    options.autoSize = m_autoSize;
    options.wordWrap = m_wordWrap;
    options.wrapStyle = wrapStyle();
    options.width = bounds().width();
    const auto measure = [this](const QString& text) { return designTextWidth(text); };
    if (m_replaced) {
        m_lines = formatText(m_replacement, options, measure);
    } else if (!UsesCaption() && m_autoSize) {
        m_lines = sourceTexts();
    } else {
        for (const QString& text : sourceTexts())
            m_lines << formatText(text, options, measure);
    }
    sizeToLines();
}

void TBVCustomLabel::sizeToLines()
{
    QRect rect = bounds();
    if (m_autoSize) {
        qreal widest = 0;
        for (const QString& line : m_lines)
            widest = std::max(widest, designTextWidth(line));
        const int framePx = roundToInt(Frame.Width / 72.0L * report().unitScale().screenPpi);
        const int width
            = static_cast<int>(std::ceil(widest)) + (Frame.DrawLeft ? framePx : 0) + (Frame.DrawRight ? framePx : 0);
        const int growth = width - rect.width();
        if (effectiveAlignment() == TAlignment::taRightJustify)
            rect.moveLeft(rect.left() - growth);
        else if (effectiveAlignment() == TAlignment::taCenter)
            rect.moveLeft(rect.left() - growth / 2);
        rect.setWidth(width);
    }
    const int minimumHeight = static_cast<int>(std::ceil(designTextHeight())) + 1;
    if (rect.height() < minimumHeight)
        rect.setHeight(minimumHeight);
    if (rect != bounds())
        setBounds(rect);
}

long double TBVCustomLabel::lineHeight() const
{
    const ReportPrinter& device = *printer();
    if (const PageCanvas* canvas = device.Canvas())
        return canvas->textHeight(Font(), QStringLiteral("W")) / device.YFactor();
    const int dpi = roundToInt(device.YFactor() * 254);
    return std::ceil(ReferenceDevice::textHeight(Font(), dpi)) / device.YFactor();
}

void TBVCustomLabel::fillBackground(long double left, long double top, long double right, long double bottom)
{
    PageCanvas* canvas = printer()->Canvas();
    if (!report().RenderToCanvas() || Transparent || !canvas)
        return;
    canvas->fillRect(deviceRect(left, top, right, bottom), Color);
}

void TBVCustomLabel::PrintAt(long double offsetX, long double offsetY)
{
    if (!IsPrintable() || !printer())
        return;
    PrintPass pass;
    pass.left = offsetX + native(TBVPrintableSize::Left);
    pass.top = offsetY + native(TBVPrintableSize::Top);
    pass.height = native(TBVPrintableSize::Height);
    pass.lineHeight = lineHeight();
    if (OnPrint) {
        const QString original = sourceTexts().join("\r\n");
        QString text = original;
        OnPrint(*this, text);
        pass.lineHeight = lineHeight();
        pass.height = native(TBVPrintableSize::Height);
        m_replaced = text != original;
        m_replacement = text;
    }
    const long double previousWidth = native(TBVPrintableSize::Width);
    FormatLines();
    m_replaced = false;
    pass.width = native(TBVPrintableSize::Width);

    const ReportPrinter& device = *printer();
    if (TBVExportFilter* filter = report().exportFilter(); filter && !Transparent && Color != QColor(Qt::white)) {
        TBVExportGraphic shape;
        shape.widthPx = device.DeviceWidth(pass.width);
        shape.heightPx = device.DeviceHeight(pass.height);
        shape.brushColor = Color;
        shape.penStyle = Qt::NoPen;
        filter->ExportGraphic(pagePoint(device.DeviceX(pass.left), device.DeviceY(pass.top)), shape);
    }
    fillBackground(pass.left, pass.top, pass.left + pass.width, pass.top + pass.height);

    const long double frameNative = Frame.isSet() ? frameWidthNative(Frame.Width) : 0;
    if (Frame.DrawTop)
        pass.top += frameNative;
    if (Frame.DrawLeft)
        pass.left += frameNative;
    pass.y = pass.top;
    pass.bottom = pass.top + pass.height + 1;

    pass.x = pass.left;
    if (m_autoSize && Alignment() == TAlignment::taRightJustify)
        pass.x = pass.left - (pass.width - previousWidth);
    else if (m_autoSize && Alignment() == TAlignment::taCenter)
        pass.x = pass.left - (pass.width - previousWidth) / 2;
    pass.alignment = effectiveAlignment();
    if (pass.alignment == TAlignment::taRightJustify)
        pass.x += pass.width;
    else if (pass.alignment == TAlignment::taCenter)
        pass.x += pass.width / 2;

    if (ContentDone())
        m_nextLine = 0;
    while (m_nextLine < m_lines.size() && nextLineFits(pass)) {
        printLine(pass, m_lines.at(m_nextLine));
        ++m_nextLine;
    }
    setContentDone(!(m_nextLine < m_lines.size() && AutoStretch));
    if (PageCanvas* canvas = device.Canvas(); canvas && report().RenderToCanvas())
        canvas->clearClip();
    if (Frame.isSet())
        printFrame(deviceRect(pass.left - frameNative, pass.top - frameNative, pass.left + pass.width,
            pass.top + pass.height + pass.grown));
}

bool TBVCustomLabel::nextLineFits(PrintPass& pass)
{
    if (pass.y + pass.lineHeight <= pass.bottom)
        return true;
    if (!AutoStretch || !band() || !band()->CanStretch(pass.lineHeight))
        return false;
    const long double previousGrown = pass.grown;
    band()->StretchBand(pass.lineHeight, pass.grown, pass.hasGrown);
    pass.bottom = pass.top + pass.height + 1 + pass.grown;
    fillBackground(
        pass.left, pass.top + pass.height + previousGrown, pass.left + pass.width, pass.top + pass.height + pass.grown);
    return true;
}

void TBVCustomLabel::printLine(PrintPass& pass, const QString& line)
{
    const ReportPrinter& device = *printer();
    PageCanvas* canvas = device.Canvas();
    if (report().RenderToCanvas() && canvas && !line.isEmpty()) {
        const TextAnchor anchor = pass.alignment == TAlignment::taRightJustify ? TextAnchor::Right
            : pass.alignment == TAlignment::taCenter                           ? TextAnchor::Centre
                                                                               : TextAnchor::Left;
        canvas->drawText(QPoint(device.DeviceX(pass.x), device.DeviceY(pass.y)), line, Font(), anchor, RightToLeft);
    }
    if (TBVExportFilter* filter = report().exportFilter()) {
        filter->ExportText({ pass.x, pass.y }, exportFont(Font()), Color, exportAlignment(pass.alignment), line);
    }
    pass.y += pass.lineHeight;
}

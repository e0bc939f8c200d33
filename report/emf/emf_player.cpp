#include "report/emf/emf_player.h"

#include "report/emf/emf_dib.h"
#include "report/emf/emf_records.h"
#include "report/emf/painter_canvas.h"

#include <QPainter>
#include <QRect>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <uemf.h>

namespace {

// More objects or saved states than a page could ever use mark a forged page;
// they are ignored rather than stored.
constexpr size_t MaxObjects = 65536;
constexpr size_t MaxSavedStates = 256;
constexpr uint32_t MaxTextChars = 1 << 16;
// No page needs letters taller than this many pixels; a forged height would
// only make the replay render enormous glyphs.
constexpr int64_t MaxFontPixels = 2000;

struct GdiObject {
    enum Kind { Font, Pen, Brush } kind = Brush;
    PageFont font;
    QColor colour;
    int width = 1;
    bool null = false;
};

QColor fromColourRef(U_COLORREF c) { return QColor(c.Red, c.Green, c.Blue); }

// A damaged record may carry any 32-bit coordinate. Pulling them in to far
// beyond any real page keeps the sums of origin and extent from overflowing.
constexpr int32_t MaxPageCoordinate = 1 << 26;
int pageCoordinate(int32_t value) { return std::clamp(value, -MaxPageCoordinate, MaxPageCoordinate); }
// Wider pens than this are a damaged record, not a drawing: they would only
// make the painter stroke an area far larger than the page.
constexpr int32_t MaxPenWidth = 1000;

PageRect fromRectl(const U_RECTL& r)
{
    return PageRect { pageCoordinate(r.left), pageCoordinate(r.top), pageCoordinate(r.right),
        pageCoordinate(r.bottom) };
}

QString faceName(const U_LOGFONT& lf)
{
    QString face;
    for (uint16_t unit : lf.lfFaceName) {
        if (unit == 0)
            break;
        face.append(QChar(unit));
    }
    return face;
}

PageRect intersect(const PageRect& a, const PageRect& b)
{
    return PageRect { std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
        std::min(a.bottom, b.bottom) };
}

// Rectangles of a region record's data, checked against the record's size.
std::vector<PageRect> regionRects(const EmfRecord& record, size_t dataOffset, uint32_t dataSize)
{
    U_RGNDATAHEADER header {};
    if (dataSize < sizeof header || dataOffset + dataSize > record.size || !record.read(header, dataOffset))
        return {};
    const uint64_t room = (dataSize - sizeof header) / sizeof(U_RECTL);
    std::vector<PageRect> rects;
    for (uint64_t i = 0; i < std::min<uint64_t>(header.nCount, room); ++i) {
        U_RECTL r {};
        if (record.read(r, dataOffset + sizeof header + i * sizeof r))
            rects.push_back(fromRectl(r));
    }
    return rects;
}

PageRect boundingRect(const std::vector<PageRect>& rects)
{
    PageRect box = rects.front();
    for (const PageRect& r : rects) {
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

}

// The device-context state of a replay: objects, selections, text settings
// and clipping, changed record by record.
class EmfPlayer::Interpreter {
public:
    Interpreter(PageCanvas* canvas, int dpi, std::vector<EmfText>* texts)
        : m_canvas(canvas)
        , m_dpi(dpi)
        , m_texts(texts)
    {
    }

    void run(const EmfRecord& r)
    {
        switch (r.type) {
        case U_EMR_CREATEPEN:
            return createPen(r);
        case U_EMR_CREATEBRUSHINDIRECT:
            return createBrush(r);
        case U_EMR_EXTCREATEFONTINDIRECTW:
            return createFont(r);
        case U_EMR_SELECTOBJECT:
            return selectObject(r);
        case U_EMR_DELETEOBJECT:
            return deleteObject(r);
        case U_EMR_SETTEXTCOLOR:
            return setTextColour(r);
        case U_EMR_SETTEXTALIGN:
            r.read(m_textAlign, 8);
            return;
        case U_EMR_FILLRGN:
            return fillRegion(r);
        case U_EMR_EXTSELECTCLIPRGN:
            return selectClipRegion(r);
        case U_EMR_INTERSECTCLIPRECT:
            return intersectClip(r);
        case U_EMR_SAVEDC:
            return saveState();
        case U_EMR_RESTOREDC:
            return restoreState();
        case U_EMR_MOVETOEX:
            r.read(m_position, 8);
            return;
        case U_EMR_LINETO:
            return lineTo(r);
        case U_EMR_RECTANGLE:
            return rectangle(r);
        case U_EMR_EXTTEXTOUTW:
            return textOut(r);
        case U_EMR_STRETCHDIBITS:
            return stretchDib(r);
        default:
            return;
        }
    }

private:
    void store(uint32_t index, const GdiObject& object)
    {
        if (m_objects.size() < MaxObjects || m_objects.count(index))
            m_objects[index] = object;
    }

    void createPen(const EmfRecord& r)
    {
        U_EMRCREATEPEN rec {};
        if (!r.read(rec))
            return;
        GdiObject pen { GdiObject::Pen, {}, fromColourRef(rec.lopn.lopnColor),
            std::clamp(rec.lopn.lopnWidth.x, 1, MaxPenWidth), rec.lopn.lopnStyle == U_PS_NULL };
        store(rec.ihPen, pen);
    }

    void createBrush(const EmfRecord& r)
    {
        U_EMRCREATEBRUSHINDIRECT rec {};
        if (r.read(rec))
            store(rec.ihBrush,
                GdiObject { GdiObject::Brush, {}, fromColourRef(rec.lb.lbColor), 1, rec.lb.lbStyle == U_BS_NULL });
    }

    void createFont(const EmfRecord& r)
    {
        uint32_t index = 0;
        U_LOGFONT lf {};
        if (!r.read(index, 8) || !r.read(lf, 12))
            return;
        GdiObject font { GdiObject::Font, {}, {}, 1, false };
        font.font.face = faceName(lf);
        const int64_t height = lf.lfHeight < 0 ? -static_cast<int64_t>(lf.lfHeight) : lf.lfHeight;
        font.font.pointSize = static_cast<double>(std::min<int64_t>(height, MaxFontPixels)) * 72.0 / m_dpi;
        font.font.bold = lf.lfWeight >= 600;
        font.font.italic = lf.lfItalic != 0;
        font.font.underline = lf.lfUnderline != 0;
        font.font.strikeOut = lf.lfStrikeOut != 0;
        font.font.charSet = lf.lfCharSet;
        store(index, font);
    }

    void selectObject(const EmfRecord& r)
    {
        uint32_t index = 0;
        if (!r.read(index, 8))
            return;
        if (index & U_STOCK_OBJECT) {
            selectStock(index);
            return;
        }
        const auto found = m_objects.find(index);
        if (found == m_objects.end())
            return;
        if (found->second.kind == GdiObject::Font)
            m_font = found->second.font;
        else if (found->second.kind == GdiObject::Pen)
            m_pen = found->second;
        else
            m_brush = found->second;
    }

    void selectStock(uint32_t index)
    {
        switch (index) {
        case U_NULL_BRUSH:
            m_brush = GdiObject { GdiObject::Brush, {}, Qt::white, 1, true };
            break;
        case U_WHITE_BRUSH:
            m_brush = GdiObject { GdiObject::Brush, {}, Qt::white, 1, false };
            break;
        case U_BLACK_BRUSH:
            m_brush = GdiObject { GdiObject::Brush, {}, Qt::black, 1, false };
            break;
        case U_NULL_PEN:
            m_pen = GdiObject { GdiObject::Pen, {}, Qt::black, 1, true };
            break;
        case U_BLACK_PEN:
            m_pen = GdiObject { GdiObject::Pen, {}, Qt::black, 1, false };
            break;
        case U_WHITE_PEN:
            m_pen = GdiObject { GdiObject::Pen, {}, Qt::white, 1, false };
            break;
        default:
            break;
        }
    }

    void deleteObject(const EmfRecord& r)
    {
        uint32_t index = 0;
        if (r.read(index, 8))
            m_objects.erase(index);
    }

    void setTextColour(const EmfRecord& r)
    {
        U_COLORREF c {};
        if (r.read(c, 8))
            m_textColour = fromColourRef(c);
    }

    void fillRegion(const EmfRecord& r)
    {
        uint32_t dataSize = 0;
        uint32_t brushIndex = 0;
        if (!m_canvas || !r.read(dataSize, 24) || !r.read(brushIndex, 28))
            return;
        const auto brush = m_objects.find(brushIndex);
        if (brush == m_objects.end() || brush->second.kind != GdiObject::Brush || brush->second.null)
            return;
        for (const PageRect& rect : regionRects(r, 32, dataSize))
            m_canvas->fillRect(rect, brush->second.colour);
    }

    void applyClip()
    {
        if (!m_canvas)
            return;
        if (m_clip)
            m_canvas->setClipRect(*m_clip);
        else
            m_canvas->clearClip();
    }

    void selectClipRegion(const EmfRecord& r)
    {
        uint32_t dataSize = 0;
        uint32_t mode = 0;
        if (!r.read(dataSize, 8) || !r.read(mode, 12))
            return;
        const std::vector<PageRect> rects = dataSize ? regionRects(r, 16, dataSize) : std::vector<PageRect> {};
        if (mode == U_RGN_COPY)
            m_clip = rects.empty() ? std::nullopt : std::optional<PageRect>(boundingRect(rects));
        else if (mode == U_RGN_AND && !rects.empty())
            m_clip = m_clip ? intersect(*m_clip, boundingRect(rects)) : boundingRect(rects);
        else
            return;
        applyClip();
    }

    void intersectClip(const EmfRecord& r)
    {
        U_RECTL rect {};
        if (!r.read(rect, 8))
            return;
        m_clip = m_clip ? intersect(*m_clip, fromRectl(rect)) : fromRectl(rect);
        applyClip();
    }

    void saveState()
    {
        if (m_saved.size() < MaxSavedStates)
            m_saved.push_back(m_clip);
    }

    void restoreState()
    {
        if (m_saved.empty())
            return;
        m_clip = m_saved.back();
        m_saved.pop_back();
        applyClip();
    }

    void lineTo(const EmfRecord& r)
    {
        U_POINTL to {};
        if (!r.read(to, 8))
            return;
        if (m_canvas && !m_pen.null)
            m_canvas->drawLine(QPoint(pageCoordinate(m_position.x), pageCoordinate(m_position.y)),
                QPoint(pageCoordinate(to.x), pageCoordinate(to.y)), m_pen.colour, m_pen.width);
        m_position = to;
    }

    void rectangle(const EmfRecord& r)
    {
        U_RECTL box {};
        if (!m_canvas || !r.read(box, 8))
            return;
        const PageRect rect = fromRectl(box);
        if (!m_brush.null)
            m_canvas->fillRect(rect, m_brush.colour);
        if (!m_pen.null)
            m_canvas->drawFrame(rect, m_pen.colour, m_pen.width);
    }

    void textOut(const EmfRecord& r)
    {
        U_EMREXTTEXTOUTW rec {};
        if (!r.read(rec))
            return;
        const U_EMRTEXT& t = rec.emrtext;
        if (t.nChars == 0 || t.nChars > MaxTextChars || t.offString > r.size
            || static_cast<uint64_t>(t.nChars) * 2 > r.size - t.offString)
            return;
        QString text(static_cast<qsizetype>(t.nChars), Qt::Uninitialized);
        std::memcpy(text.data(), r.data + t.offString, static_cast<size_t>(t.nChars) * 2);
        const TextAnchor anchor = (m_textAlign & U_TA_CENTER) == U_TA_CENTER ? TextAnchor::Centre
            : (m_textAlign & U_TA_RIGHT)                                     ? TextAnchor::Right
                                                                             : TextAnchor::Left;
        PageFont font = m_font;
        font.colour = m_textColour;
        const QPoint anchorPx(pageCoordinate(t.ptlReference.x), pageCoordinate(t.ptlReference.y));
        if (m_texts) {
            // Record bounds are inclusive; a PageRect's right and bottom are outside.
            PageRect bounds = fromRectl(rec.rclBounds);
            bounds.right += 1;
            bounds.bottom += 1;
            m_texts->push_back(EmfText { text, anchorPx, anchor, bounds, font });
        }
        if (m_canvas)
            m_canvas->drawText(anchorPx, text, font, anchor, (m_textAlign & U_TA_RTLREADING) != 0);
    }

    void stretchDib(const EmfRecord& r)
    {
        U_EMRSTRETCHDIBITS rec {};
        if (!m_canvas || !r.read(rec))
            return;
        if (rec.offBmiSrc > r.size || rec.cbBmiSrc > r.size - rec.offBmiSrc || rec.offBitsSrc > r.size
            || rec.cbBitsSrc > r.size - rec.offBitsSrc)
            return;
        QImage image = imageFromDib(r.data + rec.offBmiSrc, rec.cbBmiSrc, r.data + rec.offBitsSrc, rec.cbBitsSrc);
        if (image.isNull())
            return;
        const QRect source = QRect(pageCoordinate(rec.Src.x), pageCoordinate(rec.Src.y), pageCoordinate(rec.cSrc.x),
            pageCoordinate(rec.cSrc.y))
                                 .intersected(image.rect());
        if (source.isEmpty())
            return;
        if (source != image.rect())
            image = image.copy(source);
        const int left = pageCoordinate(rec.Dest.x);
        const int top = pageCoordinate(rec.Dest.y);
        const PageRect target { left, top, left + pageCoordinate(rec.cDest.x), top + pageCoordinate(rec.cDest.y) };
        if (!target.isEmpty())
            m_canvas->drawImage(target, image);
    }

    PageCanvas* m_canvas;
    int m_dpi;
    std::vector<EmfText>* m_texts;
    std::map<uint32_t, GdiObject> m_objects;
    PageFont m_font;
    GdiObject m_pen { GdiObject::Pen, {}, Qt::black, 1, false };
    GdiObject m_brush { GdiObject::Brush, {}, Qt::white, 1, false };
    QColor m_textColour = Qt::black;
    uint32_t m_textAlign = 0;
    U_POINTL m_position {};
    std::optional<PageRect> m_clip;
    std::vector<std::optional<PageRect>> m_saved;
};

EmfPlayer::EmfPlayer(const EmfPage& page)
    : m_page(page)
{
}

void EmfPlayer::play(PageCanvas& canvas) const
{
    Interpreter interpreter(&canvas, canvas.dpiY(), nullptr);
    forEachEmfRecord(m_page.bytes(), [&](const EmfRecord& record) {
        interpreter.run(record);
        return true;
    });
    canvas.clearClip();
}

std::vector<EmfText> EmfPlayer::texts() const
{
    std::vector<EmfText> texts;
    Interpreter interpreter(nullptr, 96, &texts);
    forEachEmfRecord(m_page.bytes(), [&](const EmfRecord& record) {
        interpreter.run(record);
        return true;
    });
    return texts;
}

// Stored pages are recorded at the screen's resolution.
constexpr int StoredPageDpi = 96;

void playPageInto(QPainter& painter, const EmfPage& page, const QRect& target)
{
    const QSize pagePx = page.sizePx();
    if (pagePx.isEmpty() || target.isEmpty())
        return;
    painter.save();
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    painter.scale(double(target.width()) / pagePx.width(), double(target.height()) / pagePx.height());
    PainterCanvas canvas(painter, StoredPageDpi, StoredPageDpi);
    EmfPlayer(page).play(canvas);
    painter.restore();
}

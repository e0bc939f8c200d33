#include "report/emf/emf_canvas.h"

#include "export/screen_metrics.h"
#include "report/emf/emf_dib.h"
#include "report/emf/font_metrics.h"
#include "report/store/bv_error.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <uemf.h>

namespace {

U_RECTL rectl(int left, int top, int right, int bottom)
{
    return rectl_set(point32_set(left, top), point32_set(right, bottom));
}

// EMF bounds are inclusive; a PageRect's right and bottom are outside.
U_RECTL inclusiveBounds(const PageRect& r)
{
    return rectl(r.left, r.top, std::max(r.left, r.right - 1), std::max(r.top, r.bottom - 1));
}

U_COLORREF colourRef(const QColor& c)
{
    return colorref3_set(
        static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
}

// A region of one rectangle, as the fill and clip records carry it.
struct RectRegion {
    explicit RectRegion(const PageRect& r)
    {
        U_RECTL rect = rectl(r.left, r.top, r.right, r.bottom);
        data = rgndata_set(rgndataheader_set(1, rect), &rect);
    }
    ~RectRegion() { std::free(data); }
    RectRegion(const RectRegion&) = delete;
    RectRegion& operator=(const RectRegion&) = delete;
    PU_RGNDATA data;
};

std::vector<uint16_t> utf16Face(const QString& face)
{
    std::vector<uint16_t> name(U_LF_FACESIZE, 0);
    const QString cut = face.left(U_LF_FACESIZE - 1);
    for (qsizetype i = 0; i < cut.size(); ++i)
        name[static_cast<size_t>(i)] = cut.at(i).unicode();
    return name;
}

}

struct EmfCanvas::Recorder {
    EMFTRACK* et = nullptr;
    EMFHANDLES* eht = nullptr;

    bool hasFont = false;
    PageFont font;
    uint32_t fontHandle = 0;
    bool hasPen = false;
    QColor penColour;
    int penWidth = 0;
    uint32_t penHandle = 0;
    bool hasBrush = false;
    QColor brushColour;
    uint32_t brushHandle = 0;
    bool hasTextColour = false;
    QColor textColour;
    uint32_t textAlign = U_TA_TOP | U_TA_LEFT;
    int stretchMode = 0;

    ~Recorder()
    {
        if (et)
            emf_free(&et);
        if (eht)
            htable_free(&eht);
    }

    void append(char* record)
    {
        if (!record || emf_append(reinterpret_cast<U_ENHMETARECORD*>(record), et, U_REC_FREE) != 0) {
            std::free(record);
            throw EBVError(BVErrorText::CorruptPicture);
        }
    }

    // Objects are deleted only once they are no longer selected.
    void release(bool has, uint32_t& handle)
    {
        if (has)
            append(deleteobject_set(&handle, eht));
    }
};

EmfCanvas::EmfCanvas(QSize pagePx, int dpi)
    : m_pagePx(pagePx)
    , m_dpi(dpi > 0 ? dpi : 96)
    , m_rec(std::make_unique<Recorder>())
{
    if (emf_start("/dev/null", 1 << 16, 1 << 16, &m_rec->et) != 0 || htable_create(64, 64, &m_rec->eht) != 0)
        throw EBVError(BVErrorText::CorruptPicture);
    const int w = std::max(1, pagePx.width());
    const int h = std::max(1, pagePx.height());
    const U_RECTL bounds = rectl(0, 0, w - 1, h - 1);
    const U_RECTL frame = rectl(
        0, 0, static_cast<int>(std::lround(w * 2540.0 / m_dpi)), static_cast<int>(std::lround(h * 2540.0 / m_dpi)));
    // A reference device of exactly m_dpi pixels per inch: 254 mm wide and high.
    m_rec->append(
        U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(m_dpi * 10, m_dpi * 10), sizel_set(254, 254), 0));
    m_rec->append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    m_rec->append(U_EMRSETTEXTALIGN_set(m_rec->textAlign));
}

EmfCanvas::~EmfCanvas() = default;

int EmfCanvas::textWidth(const PageFont& font, const QString& text) const
{
    return screenTextWidth(qtFontForPage(font, fontPixelHeight(font)), text);
}

int EmfCanvas::textHeight(const PageFont& font, const QString&) const
{
    return referenceTextHeight(qtFontForPage(font, fontPixelHeight(font)));
}

void EmfCanvas::selectFont(const PageFont& font)
{
    if (m_rec->hasFont && m_rec->font.face == font.face && m_rec->font.pointSize == font.pointSize
        && m_rec->font.bold == font.bold && m_rec->font.italic == font.italic && m_rec->font.underline == font.underline
        && m_rec->font.strikeOut == font.strikeOut && m_rec->font.charSet == font.charSet)
        return;
    const bool hadFont = m_rec->hasFont;
    uint32_t oldFont = m_rec->fontHandle;
    std::vector<uint16_t> face = utf16Face(font.face);
    const U_LOGFONT logFont
        = logfont_set(-fontPixelHeight(font), 0, 0, 0, font.bold ? U_FW_BOLD : U_FW_NORMAL, font.italic, font.underline,
            font.strikeOut, static_cast<uint8_t>(font.charSet), U_OUT_TT_PRECIS, 0, U_DEFAULT_QUALITY, 0, face.data());
    std::vector<uint16_t> fullName(U_LF_FULLFACESIZE, 0);
    std::vector<uint16_t> style(U_LF_FACESIZE, 0);
    U_LOGFONT_PANOSE panoseFont
        = logfont_panose_set(logFont, fullName.data(), style.data(), 0, panose_set(0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    m_rec->append(extcreatefontindirectw_set(
        &m_rec->fontHandle, m_rec->eht, nullptr, reinterpret_cast<const char*>(&panoseFont)));
    m_rec->append(selectobject_set(m_rec->fontHandle, m_rec->eht));
    m_rec->release(hadFont, oldFont);
    m_rec->hasFont = true;
    m_rec->font = font;
}

void EmfCanvas::selectPen(const QColor& colour, int widthPx)
{
    widthPx = std::max(1, widthPx);
    if (m_rec->hasPen && m_rec->penColour == colour && m_rec->penWidth == widthPx)
        return;
    const bool hadPen = m_rec->hasPen;
    uint32_t oldPen = m_rec->penHandle;
    const U_LOGPEN pen = logpen_set(U_PS_SOLID, point32_set(widthPx, 0), colourRef(colour));
    m_rec->append(createpen_set(&m_rec->penHandle, m_rec->eht, pen));
    m_rec->append(selectobject_set(m_rec->penHandle, m_rec->eht));
    m_rec->release(hadPen, oldPen);
    m_rec->hasPen = true;
    m_rec->penColour = colour;
    m_rec->penWidth = widthPx;
}

void EmfCanvas::selectBrush(const QColor& colour)
{
    if (m_rec->hasBrush && m_rec->brushColour == colour)
        return;
    m_rec->release(m_rec->hasBrush, m_rec->brushHandle);
    m_rec->append(
        createbrushindirect_set(&m_rec->brushHandle, m_rec->eht, logbrush_set(U_BS_SOLID, colourRef(colour), 0)));
    m_rec->hasBrush = true;
    m_rec->brushColour = colour;
}

void EmfCanvas::setTextColour(const QColor& colour)
{
    if (m_rec->hasTextColour && m_rec->textColour == colour)
        return;
    m_rec->append(U_EMRSETTEXTCOLOR_set(colourRef(colour)));
    m_rec->hasTextColour = true;
    m_rec->textColour = colour;
}

void EmfCanvas::setTextAlign(uint32_t align)
{
    if (m_rec->textAlign == align)
        return;
    m_rec->append(U_EMRSETTEXTALIGN_set(align));
    m_rec->textAlign = align;
}

void EmfCanvas::fillRect(const PageRect& rect, const QColor& colour)
{
    if (!m_finished.isNull() || rect.isEmpty())
        return;
    selectBrush(colour);
    RectRegion region(rect);
    m_rec->append(U_EMRFILLRGN_set(inclusiveBounds(rect), m_rec->brushHandle, region.data));
}

void EmfCanvas::drawText(
    QPoint anchorPx, const QString& text, const PageFont& font, TextAnchor anchor, bool rightToLeft)
{
    if (!m_finished.isNull() || text.isEmpty())
        return;
    selectFont(font);
    setTextColour(font.colour);
    uint32_t align = anchor == TextAnchor::Right ? U_TA_RIGHT : anchor == TextAnchor::Centre ? U_TA_CENTER : U_TA_LEFT;
    if (rightToLeft)
        align |= U_TA_RTLREADING;
    setTextAlign(align);

    const QFont qfont = qtFontForPage(font, fontPixelHeight(font));
    std::vector<uint32_t> dx = referenceAdvances(qfont, text);
    int width = 0;
    for (uint32_t advance : dx)
        width += static_cast<int>(advance);
    const int left = anchor == TextAnchor::Right ? anchorPx.x() - width
        : anchor == TextAnchor::Centre           ? anchorPx.x() - width / 2
                                                 : anchorPx.x();
    const PageRect box { left, anchorPx.y(), left + std::max(1, width),
        anchorPx.y() + std::max(1, referenceTextHeight(qfont)) };
    std::vector<uint16_t> units(text.utf16(), text.utf16() + text.size());
    char* emrText = emrtext_set(point32_set(anchorPx.x(), anchorPx.y()), static_cast<U_NUM_STR>(units.size()), 2,
        units.data(), 0, inclusiveBounds(box), dx.data());
    if (!emrText)
        throw EBVError(BVErrorText::CorruptPicture);
    char* record = U_EMREXTTEXTOUTW_set(
        inclusiveBounds(box), U_GM_COMPATIBLE, 0.0f, 0.0f, reinterpret_cast<PU_EMRTEXT>(emrText));
    std::free(emrText);
    m_rec->append(record);
}

void EmfCanvas::drawImage(const PageRect& target, const QImage& image)
{
    if (!m_finished.isNull() || target.isEmpty() || image.isNull())
        return;
    const int mode = image.depth() == 1 ? U_BLACKONWHITE : U_COLORONCOLOR;
    if (m_rec->stretchMode != mode) {
        m_rec->append(U_EMRSETSTRETCHBLTMODE_set(static_cast<uint32_t>(mode)));
        m_rec->stretchMode = mode;
    }
    DibPixels dib = dibFromImage(image);
    const U_BITMAPINFOHEADER header = bitmapinfoheader_set(
        dib.width, dib.height, 1, 24, U_BI_RGB, static_cast<uint32_t>(dib.bits.size()), 3780, 3780, 0, 0);
    PU_BITMAPINFO info = bitmapinfo_set(header, nullptr);
    char* record = U_EMRSTRETCHDIBITS_set(inclusiveBounds(target), point32_set(target.left, target.top),
        point32_set(target.width(), target.height()), point32_set(0, 0), point32_set(dib.width, dib.height),
        U_DIB_RGB_COLORS, U_SRCCOPY, info, static_cast<uint32_t>(dib.bits.size()), dib.bits.data());
    std::free(info);
    m_rec->append(record);
}

void EmfCanvas::drawLine(QPoint fromPx, QPoint toPx, const QColor& colour, int penWidthPx)
{
    if (!m_finished.isNull())
        return;
    selectPen(colour, penWidthPx);
    m_rec->append(U_EMRMOVETOEX_set(point32_set(fromPx.x(), fromPx.y())));
    m_rec->append(U_EMRLINETO_set(point32_set(toPx.x(), toPx.y())));
}

void EmfCanvas::drawFrame(const PageRect& rect, const QColor& colour, int penWidthPx)
{
    if (!m_finished.isNull() || rect.isEmpty())
        return;
    selectPen(colour, penWidthPx);
    m_rec->append(selectobject_set(U_NULL_BRUSH, m_rec->eht));
    m_rec->append(U_EMRRECTANGLE_set(rectl(rect.left, rect.top, rect.right, rect.bottom)));
}

void EmfCanvas::setClipRect(const PageRect& rect)
{
    if (m_finished.isNull()) {
        RectRegion region(rect);
        m_rec->append(U_EMREXTSELECTCLIPRGN_set(U_RGN_COPY, region.data));
    }
}

void EmfCanvas::clearClip()
{
    if (!m_finished.isNull())
        return;
    // A region-copy record without region data resets the clip to the page.
    auto* record = static_cast<U_EMREXTSELECTCLIPRGN*>(std::calloc(1, 16));
    record->emr.iType = U_EMR_EXTSELECTCLIPRGN;
    record->emr.nSize = 16;
    record->cbRgnData = 0;
    record->iMode = U_RGN_COPY;
    m_rec->append(reinterpret_cast<char*>(record));
}

QByteArray EmfCanvas::finish()
{
    if (!m_finished.isNull())
        return m_finished;
    if (m_rec->hasFont)
        m_rec->append(selectobject_set(U_SYSTEM_FONT, m_rec->eht));
    if (m_rec->hasPen)
        m_rec->append(selectobject_set(U_BLACK_PEN, m_rec->eht));
    m_rec->release(m_rec->hasFont, m_rec->fontHandle);
    m_rec->release(m_rec->hasPen, m_rec->penHandle);
    m_rec->release(m_rec->hasBrush, m_rec->brushHandle);
    char* eof = U_EMREOF_set(0, nullptr, m_rec->et);
    // libuemf puts the length of the whole metafile into the record's last
    // field, but that field must repeat the record's own size: readers that
    // walk a metafile backwards step from its end by it.
    if (eof) {
        const uint32_t eofSize = reinterpret_cast<const U_EMR*>(eof)->nSize;
        std::memcpy(eof + eofSize - sizeof(uint32_t), &eofSize, sizeof(uint32_t));
    }
    m_rec->append(eof);
    if (emf_finish(m_rec->et, m_rec->eht) != 0)
        throw EBVError(BVErrorText::CorruptPicture);
    m_finished = QByteArray(m_rec->et->buf, static_cast<qsizetype>(m_rec->et->used));
    m_rec.reset();
    return m_finished;
}

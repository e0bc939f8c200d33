#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cmath>

// A rectangle in device pixels of a page, Windows style: left and top are
// inside, right and bottom are the first column and row outside. Report code
// computes its rectangles as (DeviceX(left), DeviceY(top), DeviceX(right),
// DeviceY(bottom)) and hands them over unchanged.
struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const PageRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// A font as the report elements describe it. The size is in points; each
// canvas turns it into a character height in its own device pixels (see
// PageCanvas::fontPixelHeight), as a font selected into a device context would.
struct PageFont {
    QString face = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor colour = Qt::black;
    int charSet = 1; // DEFAULT_CHARSET; kept so that stored pages name the font as it was chosen

    bool operator==(const PageFont& o) const
    {
        return face == o.face && pointSize == o.pointSize && bold == o.bold && italic == o.italic
            && underline == o.underline && strikeOut == o.strikeOut && colour == o.colour && charSet == o.charSet;
    }
};

// Where the x of a text line lies: at its left edge, its right edge or its
// centre. The y of a text line is always the top of its text cell.
enum class TextAnchor { Left, Right, Centre };

// The one surface every page is drawn on. All positions and sizes are device
// pixels of the page (for the page store: 96 pixels per inch). Generation
// draws through this interface only; the page store records what it is told
// as EMF records (EmfCanvas), a printer, widget or image paints it directly
// (PainterCanvas), and a stored page replays onto either.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    // Device resolution in pixels per inch; report code derives its factors
    // (pixels per tenth of a millimetre) from it.
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;

    // Character height in device pixels of a font on this canvas:
    // round(pointSize * dpiY / 72), halves to even.
    int fontPixelHeight(const PageFont& font) const
    {
        return static_cast<int>(std::nearbyint(font.pointSize * dpiY() / 72.0));
    }

    // Text measurement with the font on this canvas, in device pixels: the
    // advance width of the text and the height of its text cell (ascent plus
    // descent), as a text-extent query of the device would answer.
    virtual int textWidth(const PageFont& font, const QString& text) const = 0;
    virtual int textHeight(const PageFont& font, const QString& text) const = 0;

    // Fills the rectangle with a solid colour, no outline.
    virtual void fillRect(const PageRect& rect, const QColor& colour) = 0;

    // Draws one text line with a transparent background. (x, y) is the
    // anchor: y the top of the text cell, x as the anchor says. rightToLeft
    // adds right-to-left reading order.
    virtual void drawText(
        QPoint anchorPx, const QString& text, const PageFont& font, TextAnchor anchor, bool rightToLeft = false)
        = 0;

    // Draws the picture stretched onto the target rectangle (its natural size
    // when the caller makes the rectangle that size). Colours are kept; a
    // one-bit picture is reduced as black on white. Clip with setClipRect to
    // cut a picture that is larger than its element.
    virtual void drawImage(const PageRect& target, const QImage& image) = 0;

    // A straight line with a solid pen of the given width (at least 1 pixel).
    virtual void drawLine(QPoint fromPx, QPoint toPx, const QColor& colour, int penWidthPx) = 0;

    // The outline of a rectangle with a solid pen, nothing filled.
    virtual void drawFrame(const PageRect& rect, const QColor& colour, int penWidthPx) = 0;

    // Restricts all later drawing to the rectangle until clearClip. A new
    // clip rectangle replaces the previous one.
    virtual void setClipRect(const PageRect& rect) = 0;
    virtual void clearClip() = 0;
};

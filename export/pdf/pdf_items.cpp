#include "export/pdf/pdf_items.h"

#include "export/code_page.h"

#include <cmath>

namespace {

// Bézier control-point factor of a quarter ellipse.
constexpr long double ellipseFactor = 0.55229L;

int truncated(long double value) { return static_cast<int>(std::trunc(value)); }

QString moveLine(long double x1, long double y1, long double x2, long double y2)
{
    return QString::asprintf("%d %d m %d %d l s", truncated(x1), truncated(y1), truncated(x2), truncated(y2));
}

QString curveLine(const long double (&points)[6], const char* end)
{
    QString line;
    for (const long double value : points)
        line += QString::asprintf(" %6.1f", static_cast<double>(value));
    return line.trimmed() + end;
}

QStringList rectangleLines(const TPDFItemRec& item, long double top)
{
    const QString rectangle = QString::asprintf("%d %d %d %d re ", truncated(item.X), truncated(top - item.Height),
        truncated(item.Width), truncated(item.Height));
    const QString width = QString::asprintf("%.2f w", static_cast<double>(item.PenWidth));
    if (item.Filled)
        return { width, pdfColourLine(item.BrushColour, " rg"), rectangle + 'f' };
    return { width, pdfColourLine(item.PenColour, " RG"), rectangle + 's' };
}

QStringList ellipseLines(const TPDFItemRec& item, long double top)
{
    const long double rx = item.Width / 2;
    const long double ry = item.Height / 2;
    const long double cx = item.X + rx;
    const long double cy = top - ry;
    const long double kx = rx * ellipseFactor;
    const long double ky = ry * ellipseFactor;
    const char* end = item.Filled ? " c f" : " c s";
    return {
        QString::asprintf("%2.0f w", static_cast<double>(item.PenWidth)),
        item.Filled ? pdfColourLine(item.BrushColour, " rg") : pdfColourLine(item.PenColour, " RG"),
        QString::asprintf("%6.1f ", static_cast<double>(cx)) + QString::asprintf("%6.1f", static_cast<double>(top))
            + " m",
        curveLine({ cx + kx, cy + ry, cx + rx, cy + ky, cx + rx, cy }, " c"),
        curveLine({ cx + rx, cy - ky, cx + kx, cy - ry, cx, cy - ry }, " c"),
        curveLine({ cx - kx, cy - ry, cx - rx, cy - ky, cx - rx, cy }, " c"),
        curveLine({ cx - rx, cy + ky, cx - kx, cy + ry, cx, cy + ry }, end),
    };
}

QStringList edgeLines(const TPDFItemRec& item, long double top)
{
    const long double x = item.X;
    const long double w = item.Width;
    const long double h = item.Height;
    QStringList lines { QString::asprintf("%2.0f w", static_cast<double>(item.PenWidth)),
        pdfColourLine(item.PenColour, " RG") };
    switch (static_cast<TPDFShapeKind>(item.ShapeKind)) {
    case TPDFShapeKind::HorizontalLine:
        lines << moveLine(x, top - h / 2, x + w, top - h / 2);
        break;
    case TPDFShapeKind::VerticalLine:
        lines << moveLine(x + w / 2, top - h, x + w / 2, top);
        break;
    case TPDFShapeKind::TopAndBottom:
        lines << moveLine(x, top, x + w, top) << moveLine(x, top - h, x + w, top - h);
        break;
    case TPDFShapeKind::LeftAndRight:
        lines << moveLine(x, top - h, x, top) << moveLine(x + w, top - h, x + w, top);
        break;
    case TPDFShapeKind::RightDiagonal:
        lines << moveLine(x, top, x + w, top - h);
        break;
    case TPDFShapeKind::LeftDiagonal:
        lines << moveLine(x, top - h, x + w, top);
        break;
    default:
        break;
    }
    return lines;
}

}

QString escapePdfText(const QString& text, int codePage)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const char32_t character : text.toUcs4()) {
        if (character == '\\' || character == '(' || character == ')') {
            escaped += '\\';
            escaped += QChar(character);
        } else if (character < 0x80) {
            escaped += QChar(character);
        } else {
            const QByteArray byte = CodePage::encode(QString::fromUcs4(&character, 1), codePage);
            const auto code = static_cast<unsigned char>(byte.at(0));
            escaped += code >= 0x80 ? QString::asprintf("\\%03o", code) : QStringLiteral("?");
        }
    }
    return escaped;
}

QString pdfColourLine(const QColor& colour, const char* op)
{
    return QString::asprintf("%4.2f %4.2f %4.2f", colour.red() / 255.0, colour.green() / 255.0, colour.blue() / 255.0)
               .trimmed()
        + QLatin1String(op);
}

QString pdfFontName(int fontNumber) { return QString::asprintf("F%-2.2d", fontNumber).trimmed(); }

QStringList pdfTextLines(const TPDFItemRec& item, int fontNumber, long double pageHeightPt)
{
    return {
        pdfColourLine(item.TextColour, " rg"),
        '/' + QString::asprintf("F%-2.2d", fontNumber) + QString::asprintf(" %d Tf", item.FontSize),
        QString::asprintf(" 1 0 0 1 %d %d Tm (", truncated(item.X), truncated(pageHeightPt - item.Y))
            + escapePdfText(item.Text, CodePage::ofCharSet(item.Charset)) + ") Tj",
    };
}

QStringList pdfShapeLines(const TPDFItemRec& item, long double pageHeightPt)
{
    const long double top = pageHeightPt - item.Y;
    switch (static_cast<TPDFShapeKind>(item.ShapeKind)) {
    case TPDFShapeKind::Rectangle:
        return rectangleLines(item, top);
    case TPDFShapeKind::Ellipse:
        return ellipseLines(item, top);
    case TPDFShapeKind::RoundRect:
        return {};
    default:
        return edgeLines(item, top);
    }
}

QStringList pdfImageLines(const TPDFItemRec& item, long double pageHeightPt)
{
    return {
        QString::asprintf("q %d 0 0 %d %d %d cm", truncated(item.Width * item.ScaleX),
            truncated(item.Height * item.ScaleY), truncated(item.X), truncated(pageHeightPt - item.Y)),
        QStringLiteral("BI"),
        QString::asprintf("/Width %d", item.ImageWidth),
        QString::asprintf("/Height %d", item.ImageHeight),
        QStringLiteral("/BitsPerComponent 8"),
        QStringLiteral("/ColorSpace /DeviceRGB"),
        QStringLiteral("/Filter [") + item.FilterName + ']',
        QStringLiteral("ID"),
        QString::fromLatin1(item.ImageData),
        QStringLiteral("EI"),
        QStringLiteral("Q"),
    };
}

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>

// The export filter interface. The report engine drives a filter through one
// generation run; formats implement the filter and read the report only
// through ExportContext, so they never include engine headers.

enum class TTextEncoding {
    ASCIIEncoding = 0,
    BigEndianUnicodeEncoding = 1,
    DefaultEncoding = 2,
    UnicodeEncoding = 3,
    UTF7Encoding = 4,
    UTF8Encoding = 5,
};

// Tells whether the x of an exported text line is its left edge, right edge or centre.
enum class TBVExportAlignment { Left = 0, Right = 1, Centre = 2 };

// The two units of the interface, kept apart by type so that a format cannot
// hand one where the other is meant.
// A position on the paper in report units: tenths of a millimetre from its top-left corner.
struct TBVReportPoint {
    long double xNative = 0;
    long double yNative = 0;
};

// A position on the page canvas in page pixels, as the run's page printer converts report units.
struct TBVPagePoint {
    long double xPx = 0;
    long double yPx = 0;
};

enum class TBVShapeType {
    bvsRectangle,
    bvsCircle,
    bvsHorLine,
    bvsVertLine,
    bvsRoundRect,
    bvsTopAndBottom,
    bvsRightAndLeft,
    bvsRightDiagonal,
    bvsLeftDiagonal,
};

// A graphic control handed to ExportGraphic: a shape (band and element
// backgrounds, frame lines) or an image element. Sizes are page pixels.
struct TBVExportGraphic {
    enum class Kind { Shape, Image };
    Kind kind = Kind::Shape;
    QString name;
    int widthPx = 0;
    int heightPx = 0;

    TBVShapeType shape = TBVShapeType::bvsRectangle;
    QColor penColor = Qt::black;
    int penWidth = 1;
    Qt::PenStyle penStyle = Qt::SolidLine;
    QColor brushColor = Qt::white;
    Qt::BrushStyle brushStyle = Qt::SolidPattern;
    int vertAdjust = 0;

    QImage picture;
    bool stretch = false;
    bool center = false;
};

// The font of an exported text line: the Qt font plus what a format needs
// beyond it (the text colour and the character set of the font).
struct TBVExportFont {
    QFont font;
    QColor color = Qt::black;
    int charSet = 1;
};

// What BandPrinted tells a filter about a band that has just printed.
struct TBVExportBandInfo {
    QString name;
    long double extraHeight = 0; // report units the band grew by on its last page
    long double currentY = 0; // report units, where the band began
    long double columnX = 0;
};

// The report's page setup as a filter may read it; report units (tenths of a millimetre).
struct TBVExportPageSetup {
    long double paperWidth = 0;
    long double paperLength = 0;
    long double topMargin = 0;
    long double bottomMargin = 0;
    long double leftMargin = 0;
    long double rightMargin = 0;
    bool landscape = false;
    int paperSize = 0; // the platform's paper code, 0 = default, 69 = custom
};

// The part of the report engine a filter may see: the owner report's page
// setup, the run's page printer conversions and the report constants.
class ExportContext {
public:
    virtual ~ExportContext() = default;
    virtual TBVExportPageSetup pageSetup() const = 0;
    // Report units to page pixels, with the page printer's unprintable offsets.
    virtual int deviceX(long double xNative) const = 0;
    virtual int deviceY(long double yNative) const = 0;
    virtual long double horizontalFactor() const = 0; // page pixels per report unit
    virtual long double verticalFactor() const = 0;
    virtual QVariant constant(const QString& name) const = 0; // invalid when unknown
    virtual void setConstant(const QString& name, const QVariant& value) = 0;
    // The run's progress window, for a format that reports work of its own:
    // its caption, and the bar, moved while pending window events are handled.
    virtual void setProgressCaption(const QString&) { }
    virtual void reportProgress(int /*percent*/) { }
};

// Base of every export format. The engine calls, in this order: BeginExport
// once (unless Active), then per page EndPage followed by BeginPage (the first
// EndPage arrives before any page was begun), ExportGraphic / ExportText /
// BandPrinted while the page is made, and at the end EndPage and EndExport.
class TBVExportFilter {
public:
    explicit TBVExportFilter(const QString& fileName);
    virtual ~TBVExportFilter() = default;
    TBVExportFilter(const TBVExportFilter&) = delete;
    TBVExportFilter& operator=(const TBVExportFilter&) = delete;

    virtual QString Description() const;
    virtual QString FileExtension() const;
    virtual QString DisplayName() const;
    virtual QString VendorName() const;
    virtual bool ContinuousPage() const;

    // The paper size in whole report units and the report's font.
    virtual void BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font);
    virtual void EndPage();
    virtual void EndExport();
    virtual void BeginPage();
    // A graphic whose top-left corner lies at the given page pixel.
    virtual void ExportGraphic(const TBVPagePoint& topLeft, const TBVExportGraphic& control);
    virtual void BandPrinted(const TBVExportBandInfo& band);
    // One text line; the anchor's x is its left edge, right edge or centre
    // as the alignment says, its y the top of the line.
    virtual void ExportText(const TBVReportPoint& anchor, const TBVExportFont& font, const QColor& background,
        TBVExportAlignment alignment, const QString& text);

    bool Active() const { return m_active; }
    const QString& FileName() const { return m_fileName; }
    // The file a format writes: FileName, unless the save path redirects the
    // output into a temporary file that it renames to FileName once the run
    // has completed. Texts that name the file (a title) keep using FileName.
    const QString& OutputFileName() const { return m_outputFileName; }
    void setOutputFileName(const QString& fileName) { m_outputFileName = fileName; }
    ExportContext* Owner() const { return m_owner; }
    void setOwner(ExportContext* owner) { m_owner = owner; }
    QStringList& Document() { return m_document; }
    const QStringList& Document() const { return m_document; }

protected:
    void setActive(bool active) { m_active = active; }

private:
    QString m_fileName;
    QString m_outputFileName;
    ExportContext* m_owner = nullptr;
    bool m_active = false;
    QStringList m_document;
};

#include "export/pdf/pdf_assembly.h"

#include "export/pdf/pdf_items.h"

#include <cmath>
#include <map>

namespace {

int truncated(long double value) { return static_cast<int>(std::trunc(value)); }

// Collects the lines and their bytes, and the offset at which each object begins.
class Assembler {
public:
    Assembler(const TDocumentWriter& writer, QStringList& document)
        : m_writer(writer)
        , m_document(document)
        , m_bytes(writer.byteOrderMark())
    {
    }

    void add(const QString& line)
    {
        m_document << line;
        m_bytes += m_writer.encodeLine(line);
    }
    void add(const QStringList& lines)
    {
        for (const QString& line : lines)
            add(line);
    }
    // A line already encoded (a content stream, whose length goes before it).
    void add(const QString& line, const QByteArray& encoded)
    {
        m_document << line;
        m_bytes += encoded;
    }
    void beginObject(int number)
    {
        m_offsets[number] = m_bytes.size();
        add(QString::asprintf("%d 0 obj", number));
    }
    QByteArray encodeLine(const QString& line) const { return m_writer.encodeLine(line); }
    qsizetype lineEndLength() const { return m_writer.encodeLine(QString()).size(); }
    qsizetype size() const { return m_bytes.size(); }
    const std::map<int, qsizetype>& offsets() const { return m_offsets; }
    QByteArray bytes() const { return m_bytes; }

private:
    const TDocumentWriter& m_writer;
    QStringList& m_document;
    QByteArray m_bytes;
    std::map<int, qsizetype> m_offsets;
};

struct Numbering {
    int pages = 0;
    int fonts = 0;
    int pageObject(int index) const { return 4 + 2 * index; }
    int firstFontObject() const { return 2 * pages + 4; }
    int infoObject() const { return firstFontObject() + 2 * fonts; }
    int procSetObject() const { return infoObject() + 1; }
    int objectCount() const { return procSetObject(); }
};

QString mediaBox(const TPDFPage& page)
{
    return QString::asprintf("/MediaBox [0 0 %d %d]", truncated(page.widthPt), truncated(page.heightPt));
}

// The content stream: graphics lines, a blank line after them, "BT", then the text lines.
QString pageContent(const TPDFPage& page)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString content;
    for (const QString& line : page.graphicsLines)
        content += line + lineEnd;
    if (!page.graphicsLines.isEmpty())
        content += lineEnd;
    content += QStringLiteral("BT") + lineEnd;
    for (const QString& line : page.textLines)
        content += line + lineEnd;
    return content;
}

void addHeader(Assembler& out)
{
    out.add(QStringLiteral("%PDF-1.3"));
    out.add(QStringLiteral("%\u00C5\u00ADo\u0081"));
    out.beginObject(1);
    out.add({ "<<", "/Type /Catalog", "/Pages 3 0 R", "/Outlines 2 0 R",
        "/ViewerPreferences << /HideToolbar false /FitWindow true >>", ">>", "endobj" });
    out.beginObject(2);
    out.add({ "<<", "/Type /Outlines", "/Count 0", ">>", "endobj" });
}

void addPageTree(Assembler& out, const std::vector<TPDFPage>& pages, const Numbering& numbering)
{
    QString kids = QStringLiteral("/Kids [");
    for (int i = 0; i < numbering.pages; ++i)
        kids += QString::asprintf("%d 0 R ", numbering.pageObject(i));
    out.beginObject(3);
    out.add({ "<<", "/Type /Pages", QString::asprintf("/Count %d", numbering.pages), kids.trimmed() + ']',
        mediaBox(pages.front()), "/Resources << ", "/Font << " });
    for (int font = 0; font < numbering.fonts; ++font)
        out.add(QString::asprintf("  /F%-2.2d %d 0 R ", font, numbering.firstFontObject() + 2 * font));
    out.add({ "  >>", QString::asprintf("/ProcSet %d 0 R", numbering.procSetObject()), ">>", ">>", "endobj" });
}

void addPage(Assembler& out, const TPDFPage& page, int pageObject)
{
    out.beginObject(pageObject);
    out.add({ "<<", "/Type /Page", "/Parent 3 0 R", QString::asprintf("/Contents %d 0 R", pageObject + 1),
        mediaBox(page), ">>", "endobj" });
    const QString content = pageContent(page);
    const QByteArray encoded = out.encodeLine(content);
    // The length counts the content up to the line end after "ET", not the line end before "endstream".
    const qsizetype length = encoded.size() - out.lineEndLength();
    out.beginObject(pageObject + 1);
    out.add({ QString::asprintf("<< /Length %lld >>", static_cast<long long>(length)), "stream" });
    out.add(content, encoded);
    out.add({ "endstream", "endobj" });
}

void addInfoAndProcSet(Assembler& out, const TPDFDocumentInfo& info, const Numbering& numbering)
{
    out.beginObject(numbering.infoObject());
    out.add({ "<<", "/CreationDate (" + info.CreationDate + ')', "/Producer (Belvantos PDF Export)",
        "/Subject (" + info.Subject + " )", "/Creator (" + info.Creator + ')', "/Title (" + info.Title + ')',
        "/Author (" + info.Author + ')', ">>", "endobj" });
    out.beginObject(numbering.procSetObject());
    out.add({ "[/PDF /Text]", "endobj" });
}

void addCrossReference(Assembler& out, const Numbering& numbering)
{
    const qsizetype xrefOffset = out.size();
    out.add({ "xref", QString::asprintf("0 %d", numbering.objectCount() + 1), "0000000000 65535 f" });
    for (const auto& [number, offset] : out.offsets())
        out.add(QString::asprintf("%-10.10lld", static_cast<long long>(offset)) + " 00000 n");
    out.add({ "trailer", "<<", QString::asprintf("/Size %d", numbering.objectCount() + 1), "/Root 1 0 R",
        QString::asprintf("/Info %d 0 R", numbering.infoObject()), ">>", "startxref",
        QString::asprintf("%lld", static_cast<long long>(xrefOffset)), "%%EOF" });
}

}

QByteArray assemblePdf(const std::vector<TPDFPage>& pages, const std::vector<TPDFFontResource>& fonts,
    const TPDFDocumentInfo& info, const TDocumentWriter& writer, QStringList& document)
{
    const Numbering numbering { static_cast<int>(pages.size()), static_cast<int>(fonts.size()) };
    Assembler out(writer, document);
    addHeader(out);
    addPageTree(out, pages, numbering);
    for (int i = 0; i < numbering.pages; ++i)
        addPage(out, pages[static_cast<size_t>(i)], numbering.pageObject(i));
    for (int font = 0; font < numbering.fonts; ++font) {
        const TPDFFontResource& resource = fonts[static_cast<size_t>(font)];
        const int dictionary = numbering.firstFontObject() + 2 * font;
        out.beginObject(dictionary);
        out.add(fontDictionaryLines(resource.key, resource.metrics, font, dictionary + 1));
        out.beginObject(dictionary + 1);
        out.add(fontDescriptorLines(resource.metrics, font));
    }
    addInfoAndProcSet(out, info, numbering);
    addCrossReference(out, numbering);
    return out.bytes();
}

#pragma once

#include "report/emf/emf_page.h"

#include <QByteArray>
#include <QString>
#include <memory>

class TBVStream;

// The list of stored pages on a page stream: the header, then one record per
// page that can be walked both ways. Reading page n hops from the record read
// last (or from either end), so paging by one costs one hop. Every offset
// read from the stream is checked to stay inside it and to move the walk on,
// so a damaged file raises EBVError instead of looping or reading astray.
class TBVPageList {
public:
    TBVPageList() = default;

    // The stream the pages live in; not owned.
    void SetStream(TBVStream* stream);
    TBVStream* Stream() const { return m_stream; }

    int PageCount() const { return m_pageCount; }
    bool Compressed() const { return m_compressed; }
    // Compression of the pages to come; set before the first page.
    void SetCompressed(bool on) { m_compressed = on; }
    int HeaderSize() const { return m_headerSize; }

    // Appends a page picture as a record; the first page writes the header.
    void AddPage(const QByteArray& metafile);
    // Page n as a checked picture; null when n is not a page of the list.
    std::unique_ptr<EmfPage> GetPage(int n);
    // Rewrites the header with the current page count.
    void WriteHeader();
    void CopyToFile(const QString& fileName);
    // Takes a stream opened on a stored report file: detects its header,
    // reads the page count and checks that the records form a list of that
    // many pages. Throws EBVError when they do not.
    void OpenFile(TBVStream* stream);
    void ResetPages();

private:
    qint64 moveToPage(int n);
    void checkRecordList(bool countStated);
    QByteArray readBody(qint64 start, int n);

    TBVStream* m_stream = nullptr;
    int m_pageCount = 0;
    bool m_compressed = false;
    int m_headerSize = 128;
    double m_created = 0;
    // The record read last, where the next walk starts.
    int m_lastPage = 0;
    qint64 m_lastStart = 0;
    // The start of the last page's record.
    qint64 m_endStart = 0;
};

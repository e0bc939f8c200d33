#include "export/document_writer.h"

#include "export/export_error.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList lines { QStringLiteral("Zinsen: 5 €"), QStringLiteral("Gebühr") };

struct EncodingCase {
    const char* name;
    TDocumentEncoding encoding;
    QByteArray bytes;
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }

class DocumentEncodings : public ::testing::TestWithParam<EncodingCase> { };

TEST_P(DocumentEncodings, WriteTheMarkAndEveryLineWithCrLf)
{
    EXPECT_EQ(TDocumentWriter(GetParam().encoding).encode(lines).toHex().toStdString(),
        GetParam().bytes.toHex().toStdString());
}

// Expected bytes written out by hand from the encodings' definitions. UTF-7
// may end a shifted run without "-" before a character outside its alphabet.
INSTANTIATE_TEST_SUITE_P(Cases, DocumentEncodings,
    ::testing::Values(EncodingCase { "Ascii", TDocumentEncoding::Ascii, QByteArray("Zinsen: 5 ?\r\nGeb?hr\r\n") },
        EncodingCase { "Ansi", TDocumentEncoding::Ansi, QByteArray("Zinsen: 5 \x80\r\nGeb\xFChr\r\n") },
        EncodingCase {
            "Utf8", TDocumentEncoding::Utf8, QByteArray("\xEF\xBB\xBFZinsen: 5 \xE2\x82\xAC\r\nGeb\xC3\xBChr\r\n") },
        EncodingCase { "Utf16BigEndian", TDocumentEncoding::Utf16BigEndian,
            QByteArray::fromHex("feff005a0069006e00730065006e003a00200035002020ac000d000a"
                                "00470065006200fc00680072000d000a") },
        EncodingCase { "Utf16LittleEndian", TDocumentEncoding::Utf16LittleEndian,
            QByteArray::fromHex("fffe5a0069006e00730065006e003a002000350020"
                                "00ac200d000a00470065006200fc00680072000d000a00") },
        EncodingCase { "Utf7", TDocumentEncoding::Utf7, QByteArray("Zinsen: 5 +IKw\r\nGeb+APw-hr\r\n") }),
    [](const auto& info) { return info.param.name; });

TEST(DocumentEncoding, FormatsReadTheDefaultEncodingDifferently)
{
    EXPECT_EQ(pdfDocumentEncoding(TTextEncoding::DefaultEncoding), TDocumentEncoding::Ansi);
    EXPECT_EQ(htmlDocumentEncoding(TTextEncoding::DefaultEncoding), TDocumentEncoding::Ascii);
    EXPECT_EQ(pdfDocumentEncoding(TTextEncoding::ASCIIEncoding), TDocumentEncoding::Ascii);
    EXPECT_EQ(htmlDocumentEncoding(TTextEncoding::UTF7Encoding), TDocumentEncoding::Utf7);
    EXPECT_EQ(pdfDocumentEncoding(TTextEncoding::BigEndianUnicodeEncoding), TDocumentEncoding::Utf16BigEndian);
    EXPECT_EQ(pdfDocumentEncoding(TTextEncoding::UnicodeEncoding), TDocumentEncoding::Utf16LittleEndian);
}

TEST(DocumentWriter, ReplacesAnExistingFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("plan.txt");
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("a much longer text that was there before");
    old.close();
    TDocumentWriter(TDocumentEncoding::Ascii).write({ QStringLiteral("neu") }, name);
    QFile written(name);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("neu\r\n"));
}

TEST(DocumentWriter, AFileThatCannotBeCreatedNamesTheFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("missing/plan.txt");
    try {
        TDocumentWriter(TDocumentEncoding::Ascii).write(lines, name);
        FAIL() << "no error";
    } catch (const EExportError& error) {
        EXPECT_TRUE(error.message().startsWith("Cannot create file \"" + name + "\". ")) << error.what();
    }
}

}

#include "export/code_page.h"

#include <QList>

#include <cerrno>
#include <iconv.h>
#include <map>
#include <memory>

namespace {

// Bytes that Windows-1252 leaves undefined and Windows maps onto the C1
// controls of the same number; iconv rejects them.
bool isUndefinedAnsiByte(unsigned code)
{
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}

bool isDoubleByte(int codePage) { return codePage == 932 || codePage == 936 || codePage == 950; }

QByteArray iconvName(int codePage)
{
    switch (codePage) {
    case 932:
    case 936:
    case 950:
    case 850:
        return "CP" + QByteArray::number(codePage);
    default:
        return "WINDOWS-" + QByteArray::number(codePage);
    }
}

class Converter {
public:
    Converter(const QByteArray& to, const QByteArray& from)
        : m_handle(iconv_open(to.constData(), from.constData()))
    {
    }
    ~Converter()
    {
        if (valid())
            iconv_close(m_handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole input; false when iconv stops at a sequence it cannot convert.
    bool convert(const QByteArray& input, QByteArray& output)
    {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        output.resize(input.size() * 4 + 16);
        char* in = const_cast<char*>(input.constData());
        size_t inLeft = static_cast<size_t>(input.size());
        char* out = output.data();
        size_t outLeft = static_cast<size_t>(output.size());
        const size_t result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
        // Stateful encodings such as UTF-7 close an open shift sequence here.
        const size_t flushed = iconv(m_handle, nullptr, nullptr, &out, &outLeft);
        output.resize(output.size() - static_cast<qsizetype>(outLeft));
        return result != static_cast<size_t>(-1) && flushed != static_cast<size_t>(-1) && inLeft == 0;
    }

private:
    iconv_t m_handle;
};

std::optional<QByteArray> encodeCharacter(Converter& converter, char32_t character, int codePage)
{
    if (codePage == CodePage::Ansi && isUndefinedAnsiByte(character))
        return QByteArray(1, static_cast<char>(character));
    QByteArray output;
    if (!converter.convert(QString::fromUcs4(&character, 1).toUtf8(), output) || output.isEmpty())
        return std::nullopt;
    return output;
}

}

int CodePage::ofCharSet(int charSet)
{
    static const std::map<int, int> codePages { { 128, 932 }, { 134, 936 }, { 136, 950 }, { 161, 1253 }, { 162, 1254 },
        { 163, 1258 }, { 177, 1255 }, { 178, 1256 }, { 186, 1257 }, { 204, 1251 }, { 222, 874 }, { 238, 1250 },
        { 255, Oem } };
    const auto found = codePages.find(charSet);
    return found == codePages.end() ? Ansi : found->second;
}

QByteArray CodePage::encode(const QString& text, int codePage, char substitute)
{
    Converter converter(iconvName(codePage), "UTF-8");
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t character : text.toUcs4()) {
        if (character < 0x80) {
            bytes += static_cast<char>(character);
            continue;
        }
        const std::optional<QByteArray> encoded
            = converter.valid() ? encodeCharacter(converter, character, codePage) : std::nullopt;
        bytes += encoded && encoded->size() == 1 ? *encoded : QByteArray(1, substitute);
    }
    return bytes;
}

QByteArray CodePage::toUtf7(const QString& text)
{
    Converter converter("UTF-7", "UTF-8");
    QByteArray output;
    if (!converter.valid() || !converter.convert(text.toUtf8(), output))
        return QByteArray();
    return output;
}

std::optional<QString> CodePage::decode(const QByteArray& bytes, int codePage)
{
    Converter converter("UTF-8", iconvName(codePage));
    if (!converter.valid())
        return std::nullopt;
    QString text;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (codePage == Ansi && isUndefinedAnsiByte(code)) {
            text += QChar(code);
            continue;
        }
        QByteArray output;
        if (converter.convert(QByteArray(1, byte), output) && !output.isEmpty())
            text += QString::fromUtf8(output);
        else if (isDoubleByte(codePage))
            return std::nullopt;
        else
            text += QChar(QChar::ReplacementCharacter);
    }
    return text;
}

#include "report/engine/line_format.h"

namespace {

QStringList breakAnywhere(const QString& text, const LineFormatOptions& options, const TextMeasure& measure)
{
    QStringList lines;
    QString line;
    for (const QChar c : text) {
        // An empty line is never ended: a character wider than the element still takes a line of its own.
        if (!line.isEmpty() && measure(line + c) > options.width) {
            lines << line;
            line.clear();
        }
        line += c;
    }
    if (!line.trimmed().isEmpty())
        lines << line;
    return lines;
}

QStringList splitWords(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar c : text) {
        word += c;
        if (c == ' ' || c == '-' || c == '\r') {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

// The longest start of the word whose width stays within the limit.
QString fittingStart(const QString& word, qreal limit, const TextMeasure& measure, bool strictlyNarrower)
{
    QString part;
    for (const QChar c : word) {
        const qreal width = measure(part + c);
        if (strictlyNarrower ? width >= limit : width > limit)
            break;
        part += c;
    }
    return part;
}

QStringList breakOnSpaces(const QString& text, const LineFormatOptions& options, const TextMeasure& measure)
{
    QStringList lines;
    QString line;
    for (const QString& word : splitWords(text)) {
        if (measure(line + word) <= options.width) {
            line += word;
            continue;
        }
        if (!options.wordWrap) {
            // Without wrapping the text is cut where the first word overflows.
            lines << line;
            return lines;
        }
        if (line.isEmpty()) {
            lines << fittingStart(word, options.width, measure, true);
            continue;
        }
        lines << line;
        line.clear();
        if (measure(word) > options.width) {
            const QString part = options.width > 0 ? fittingStart(word, options.width, measure, false) : QString();
            if (!part.isEmpty())
                lines << part;
        } else {
            line = word;
        }
    }
    // A paragraph whose last word went onto a line of its own leaves no empty line behind.
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

QStringList formatParagraph(const QString& text, const LineFormatOptions& options, const TextMeasure& measure)
{
    if (options.autoSize)
        return { text };
    if (options.wrapStyle == TWrapStyle::BreakAnywhere)
        return breakAnywhere(text, options, measure);
    return breakOnSpaces(text, options, measure);
}

}

QStringList formatText(const QString& text, const LineFormatOptions& options, const TextMeasure& measure)
{
    QString cleaned = text;
    cleaned.remove('\n');
    QStringList lines;
    for (const QString& paragraph : cleaned.split('\r'))
        lines << formatParagraph(paragraph, options, measure);
    return lines;
}

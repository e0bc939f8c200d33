#include "pdf_text.h"

#include <QProcess>

QStringList pdfPageTexts(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), { QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, "-" });
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    // Every page ends with a form feed.
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    pages.removeLast();
    return pages;
}

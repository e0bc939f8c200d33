#pragma once

#include <QString>
#include <QStringList>

// The text of every page of a PDF file as poppler's pdftotext reads it, one
// entry per page; empty when the file cannot be read.
QStringList pdfPageTexts(const QString& path);

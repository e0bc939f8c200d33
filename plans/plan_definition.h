#pragma once

#include <QImage>
#include <QString>

class TBVReport;

// A report definition as the print commands fill it: labels addressed by
// name, the memo's lines and the image's picture. Whatever a command sets
// stays until a command sets it again. Setting a printable the definition does
// not have throws std::out_of_range: the commands and the layout tables must
// agree, and a mismatch is a programming fault, not a user's.
class PlanDefinition {
public:
    virtual ~PlanDefinition() = default;

    // "TQEntwicklung" or "TTilgungsplan".
    virtual QString name() const = 0;

    virtual QString caption(const QString& label) const = 0;
    virtual void setCaption(const QString& label, const QString& text) = 0;

    virtual void clearLines(const QString& memo) = 0;
    virtual void addLine(const QString& memo, const QString& line) = 0;
    virtual int lineCount(const QString& memo) const = 0;

    // The image keeps its own copy of the picture.
    virtual void setPicture(const QString& image, const QImage& picture) = 0;

    // The engine's report behind the definition; none for a definition that
    // only records what the commands set.
    virtual TBVReport* report() { return nullptr; }
};

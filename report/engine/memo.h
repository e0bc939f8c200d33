#pragma once

#include "report/engine/custom_label.h"

// A text element printing a list of lines; the element that grows its band
// and continues over pages in the program's reports.
class TBVMemo : public TBVCustomLabel {
public:
    TBVMemo(TBVReport& report, TBVCustomBand* band, const QString& name);

    const QStringList& Lines() const { return m_source; }
    void setLines(const QStringList& lines);
    void addLine(const QString& line);
    void clearLines();

    bool UsesCaption() const override { return false; }
    qreal contentHeightPx() const override;

protected:
    QStringList sourceTexts() const override { return m_source; }

private:
    QStringList m_source;
};

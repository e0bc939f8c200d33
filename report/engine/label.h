#pragma once

#include "report/engine/custom_label.h"

enum class TExportType { exptText, exptNumeric, exptFormula };

// A text element printing its caption.
class TBVLabel : public TBVCustomLabel {
public:
    TBVLabel(TBVReport& report, TBVCustomBand* band, const QString& name);

    const QString& Caption() const { return m_caption; }
    // Stores the text as caption and text to print and formats it at once.
    void setCaption(const QString& caption);
    const QString& Widecaption() const { return m_caption; }
    void setWidecaption(const QString& caption) { setCaption(caption); }

    TWrapStyle WrapStyle() const { return m_wrapStyle; }
    void setWrapStyle(TWrapStyle style);
    TExportType ExportAs = TExportType::exptText;

    bool UsesCaption() const override { return true; }
    void BeginPrinting() override;

protected:
    TWrapStyle wrapStyle() const override { return m_wrapStyle; }
    QStringList sourceTexts() const override { return { m_caption }; }

private:
    QString m_caption;
    TWrapStyle m_wrapStyle = TWrapStyle::BreakOnSpaces;
};

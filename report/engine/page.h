#pragma once

#include "report/engine/paper.h"
#include "report/engine/unit_base.h"

// The page setup of a report: paper, margins, columns.
class TBVPage : public TBVUnitBase {
public:
    enum Index { BottomMargin, Length, TopMargin, Width, LeftMargin, RightMargin, ColumnSpace };

    explicit TBVPage(TBVUnit units = TBVUnit::MM);

    int Columns() const { return m_columns; }
    void setColumns(int columns);
    TBVOrientation Orientation() const { return m_orientation; }
    void setOrientation(TBVOrientation orientation);
    TBVPaperSize PaperSize() const { return m_paperSize; }
    void setPaperSize(TBVPaperSize paper);
    bool Ruler() const { return m_ruler; }
    void setRuler(bool ruler) { m_ruler = ruler; }
    bool Continuous() const { return m_continuous; }
    void setContinuous(bool continuous) { m_continuous = continuous; }

    // The printable width (paper width minus the side margins), native.
    long double printableWidth() const;
    // One column's width, native: the printable width shared among the columns after the column spaces.
    long double columnWidth() const;
    // Before a run: a pair of margins wider than the paper is set to 0.
    void checkMargins();

    // Told when the paper size changed so that the owner can rearrange its bands.
    void setLayoutHandler(std::function<void()> handler) { m_layoutChanged = std::move(handler); }

protected:
    void storeNative(int index, long double value) override;

private:
    int m_columns = 1;
    TBVOrientation m_orientation = TBVOrientation::Portrait;
    TBVPaperSize m_paperSize = TBVPaperSize::Default;
    bool m_ruler = true;
    bool m_continuous = false;
    std::function<void()> m_layoutChanged;
};

#pragma once

#include "report/engine/line_format.h"
#include "report/engine/printable.h"

#include <QStringList>
#include <functional>

// Common base of labels and memos: text formatted into lines, printed line by
// line, growing its band and continuing on the next page when it must.
class TBVCustomLabel : public TBVPrintable {
public:
    TBVCustomLabel(TBVReport& report, TBVCustomBand* band, const QString& name);

    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    bool AutoStretch = false;
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);
    bool Transparent = false;
    QColor Color = Qt::white;
    bool RightToLeft = false;

    const PageFont& Font() const;
    void setFont(const PageFont& font);
    bool ParentFont() const { return m_parentFont; }

    // May replace the text of one print.
    std::function<void(TBVCustomLabel& sender, QString& text)> OnPrint;

    virtual bool UsesCaption() const = 0;
    // Rebuilds the formatted lines from the text (and sizes an AutoSize element).
    virtual void FormatLines();
    const QStringList& formattedLines() const { return m_lines; }
    int NextLine() const { return m_nextLine; }
    int progress() const override { return m_nextLine; }

    void PrintAt(long double offsetX, long double offsetY) override;
    bool hasBackground() const override { return !Transparent; }
    QColor backgroundColor() const override { return Color; }

protected:
    virtual TWrapStyle wrapStyle() const { return TWrapStyle::BreakOnSpaces; }
    // The texts to format: the caption of a label, the lines of a memo.
    virtual QStringList sourceTexts() const = 0;
    // Width of a text on the reference device in design pixels, as formatting measures it.
    qreal designTextWidth(const QString& text) const;
    qreal designTextHeight() const;
    // The alignment lines are drawn with, after a right-to-left swap.
    TAlignment effectiveAlignment() const;

private:
    struct PrintPass;
    void sizeToLines();
    long double lineHeight() const;
    bool nextLineFits(PrintPass& pass);
    long double topOfPrintableBelow(long double offsetY, long double left, long double right) const;
    void printLine(PrintPass& pass, const QString& line);
    void fillBackground(long double left, long double top, long double right, long double bottom);

    bool m_autoSize = true;
    bool m_wordWrap = true;
    PageFont m_font;
    bool m_parentFont = true;
    QStringList m_lines;
    int m_nextLine = 0;
    bool m_replaced = false;
    QString m_replacement;
};

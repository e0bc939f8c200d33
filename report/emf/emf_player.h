#pragma once

#include "report/emf/emf_page.h"
#include "report/store/page_canvas.h"

#include <QRect>
#include <QString>
#include <vector>

class QPainter;

// A text record of a page: its characters, where it stands and the font it
// was drawn with; the preview's search and the text exports read these.
struct EmfText {
    QString text;
    QPoint anchorPx;
    TextAnchor anchor = TextAnchor::Left;
    PageRect bounds;
    PageFont font;
};

// Replays a checked page picture. Only the records a page can hold are
// interpreted (fills, texts, pictures, lines, rectangles, clipping and the
// objects and states they use); any other valid record is passed over. All
// indices, counts and offsets inside records are checked again before use,
// so a forged page can draw nonsense but never read outside itself.
class EmfPlayer {
public:
    explicit EmfPlayer(const EmfPage& page);

    // Draws the page onto the canvas in page pixels; scale the canvas (for a
    // PainterCanvas, the painter's transform) to show it at another size.
    void play(PageCanvas& canvas) const;

    // The page's text records in drawing order.
    std::vector<EmfText> texts() const;

private:
    class Interpreter;

    const EmfPage& m_page;
};

// Replays the page so that its pixels fill the target rectangle of the
// painter's device (a preview's sheet, a printer's paper).
void playPageInto(QPainter& painter, const EmfPage& page, const QRect& target);

#pragma once

#include "report/emf/emf_page.h"

#include <QImage>
#include <QSize>
#include <QStringList>

class QPainter;

// How the preview looks at a stored page: every view (page image, thumbnails,
// clipboard picture, search) replays the recorded page, never regenerates it.

// Draws a page as a sheet of paper into a rectangle of imagePx at (0, 0):
// white sheet, the page stretched onto it, a black outline and a shadow two
// pixels wide along the right and bottom edges.
void paintPageSheet(QPainter& painter, const EmfPage& page, QSize imagePx);

// The sheet of paintPageSheet as a picture of imagePx logical pixels for a
// screen of that device pixel ratio: drawn at the screen's own pixels, with
// pictures scaled smoothly, so that a zoomed page reads as it prints.
QImage renderPageSheet(const EmfPage& page, QSize imagePx, qreal devicePixelRatio);

// The texts of the page's text-drawing records, in drawing order.
QStringList pageTexts(const EmfPage& page);

#pragma once

#include "report/engine/printable.h"

#include <QImage>

// A picture element. The picture prints at its natural size (clipped to the
// element) unless Stretch scales it into the element's rectangle.
class TBVImage : public TBVPrintable {
public:
    TBVImage(TBVReport& report, TBVCustomBand* band, const QString& name);

    const QImage& Picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    bool Stretch = false;
    bool Center = false;

    void PrintAt(long double offsetX, long double offsetY) override;

private:
    void sizeToPicture();
    PageRect naturalRect(const PageRect& element, long double width, long double height) const;

    QImage m_picture;
    bool m_autoSize = false;
};

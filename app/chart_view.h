#pragma once

#include <QWidget>

class QMenu;
class TChart;

// Shows a chart on screen, filling the widget, and repaints whenever the
// chart changes. A right click (or the menu key when it has the focus) opens
// the chart's popup menu. It takes the focus by Tab, so a screen reader can
// read its accessible description.
class ChartView : public QWidget {
    Q_OBJECT
public:
    // The chart must outlive the view's use of it; the view never touches it
    // after the chart is gone, whichever of the two goes first.
    explicit ChartView(TChart& chart, QWidget* parent = nullptr);

    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }
    QMenu* popupMenu() const { return m_popupMenu; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    TChart& m_chart;
    QMenu* m_popupMenu = nullptr;
};

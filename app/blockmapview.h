// The whole chart as a map of its 16 x 12 blocks: every cell in its colour,
// done blocks veiled with a tick, the current block framed, the blocks chosen
// for printing and a builder's blocks outlined. With a highlighted colour the
// other cells are dimmed. A click goes to a block; Ctrl+click chooses it.
#pragma once

#include "blockplace.h"

#include <QImage>
#include <QSet>
#include <QWidget>
#include <bitset>

namespace chart {
struct Chart;
}

class BlockMapView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int CellPixels = 3;

    explicit BlockMapView(QWidget *parent);

    struct State
    {
        std::bitset<chart::BlockTotal> done;
        chart::BlockPlace current;
        int highlight = 0;
        QSet<int> chosen; // print indexes
        QSet<int> builderBlocks; // print indexes
    };
    // The cells change only with another chart; the state with every key.
    void setChart(const chart::Chart &chart);
    void setState(const State &state);

    // The block under a point of the widget.
    static chart::BlockPlace blockAt(QPoint point);

signals:
    void blockClicked(chart::BlockPlace place, bool choose);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void renderCells();

    QImage m_colors; // 160 x 120, one pixel per cell
    QImage m_dimmed; // the same, dimmed where not the highlighted colour
    QList<int16_t> m_numbers; // per cell, row by row
    State m_state;
};

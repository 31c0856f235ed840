// One block large: its 10 x 10 cells in their colours, each with its colour
// number in a colour readable on it (the matrix window's rule). With a
// highlighted colour the other cells are dimmed and their numbers greyed.
#pragma once

#include "blockplace.h"

#include <QWidget>
#include <array>

namespace chart {
struct Chart;
}

class BlockCellsView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int CellPixels = 34;

    explicit BlockCellsView(QWidget *parent);
    void setBlock(const chart::Chart &chart, chart::BlockPlace place, int highlight);

    // What a cell shows, for tests: column and row 0..9 within the block.
    struct Cell
    {
        int number = 0;
        QRgb fill = 0;
        QRgb text = 0;
        bool dimmed = false;
    };
    const Cell &cell(int column, int row) const { return m_cells[std::size_t(row * 10 + column)]; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<Cell, 100> m_cells {};
};

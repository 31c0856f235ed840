// The image and palette model shared by all windows for the whole run.
//
// Every table is 1-based and fixed in size: the picture is always 160 x 120.
// intPixelColor(row, column): row 1 is the top row, column 1 the leftmost;
// 0 marks a pixel whose colour got no number (more than 32 colours).
// lngColorRGB(n) and lngColorCount(n), n = 1..32: colour value R + 256 G + 65536 B
// and pixel count of colour number n. An index outside its range throws IndexError.
#pragma once

#include "indexerror.h"

#include <QString>
#include <array>
#include <cstdint>

template<typename T, int Size> class OneBasedArray
{
public:
    T &operator()(int n)
    {
        check(n);
        return m_values[n - 1];
    }
    T operator()(int n) const
    {
        check(n);
        return m_values[n - 1];
    }
    void clear() { m_values.fill(T {}); }
    T *data() { return m_values.data(); }
    const T *data() const { return m_values.data(); }

private:
    static void check(int n)
    {
        if (n < 1 || n > Size)
            throw IndexError();
    }
    std::array<T, Size> m_values {};
};

class PixelColorMatrix
{
public:
    static constexpr int Rows = 120;
    static constexpr int Columns = 160;
    static constexpr int Size = Rows * Columns;

    int16_t &operator()(int row, int column) { return m_cells[position(row, column)]; }
    int16_t operator()(int row, int column) const { return m_cells[position(row, column)]; }
    void clear() { m_cells.fill(0); }
    // Flat layout with the row index fastest: (column - 1) * 120 + (row - 1).
    int16_t *data() { return m_cells.data(); }
    const int16_t *data() const { return m_cells.data(); }

private:
    static int position(int row, int column)
    {
        if (row < 1 || row > Rows || column < 1 || column > Columns)
            throw IndexError();
        return (column - 1) * Rows + (row - 1);
    }
    std::array<int16_t, Size> m_cells {};
};

struct modShared
{
    static constexpr int MaxColors = 32;

    // Path most recently confirmed in the file dialog; may name a newer file
    // than the one analysed.
    QString strFileName;
    // Path of the picture whose analysis the tables hold; empty when they hold none.
    // Print headings name this one, so a sheet never names one picture and shows another.
    QString strAnalysedFileName;
    PixelColorMatrix intPixelColor;
    OneBasedArray<int32_t, MaxColors> lngColorRGB;
    OneBasedArray<int32_t, MaxColors> lngColorCount;

    void clearAnalysis();
};

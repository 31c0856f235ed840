// Which of a palette file's colours a picture uses when it may use at most N
// of them: the set, with each pixel taking its nearest chosen colour by
// CIEDE2000, whose mean error a careful search finds least.
//
// A CIEDE2000 measure costs about 0.13 µs and a scaled photograph holds some
// 15,000 distinct colours, so the search runs on bins of 5 bits per channel
// (under 2,000 on photographs), each at the mean CIELAB of its colours and
// weighted by their pixels, and measures only the file colours among the
// nearest to some bin by plain Lab distance.
#pragma once

#include <QRgb>
#include <lcms2.h>
#include <vector>

namespace prepare {

// The picture's distinct colours and how many pixels each has.
struct ColorCounts
{
    const std::vector<QRgb> &colors;
    const std::vector<cmsCIELab> &lab;
    const std::vector<int> &counts;
};

// Distances from weighted colours (the rows) to candidate colours (the columns).
struct DistanceTable
{
    int columns = 0;
    std::vector<double> weights; // one a row
    std::vector<float> distances; // row after row
};

// Greedy, then single swaps: adds, at most count times, the column that lowers
// the weighted sum of every row's least distance most, stopping early when
// none lowers it; then replaces one chosen column by another while the best
// such swap lowers it. Returns the chosen columns in increasing order.
std::vector<int> greedyWithSwaps(const DistanceTable &table, int count);

struct FileColorChoice
{
    std::vector<int> chosen; // indexes into the file's colours, increasing
    std::vector<int> colorOf; // for each picture colour, its nearest chosen (into chosen)
};

// At most count of the file's colours for the picture: all of them if the file
// has no more, each picture colour then taking exactly its nearest. Otherwise
// the search's choice, and each picture colour measured against the chosen
// colours nearest to its bin.
FileColorChoice chooseFileColors(
    const ColorCounts &picture, const std::vector<cmsCIELab> &fileLab, int count);

} // namespace prepare

// Feeds arbitrary bytes to the chart file's decoder, as the bytes of a file
// read into memory reach it. What it accepts must be a chart the program can
// hold, and must read back the same once written: a save must not change it.
#include "chartfile.h"

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const chart::ChartFileRead read = chart::decodeChartFile(QByteArrayView(data, qsizetype(size)));
    chart::chartFileProblemText(read.status, QStringLiteral("/charts/fruits.tessamap"));
    if (read.status != chart::ChartFileStatus::Ok)
        return 0;
    const chart::ChartFileData &decoded = read.data;
    if (decoded.colors.size() > modShared::MaxColors || decoded.picture.sha256.size() != 32
        || decoded.picture.size < 0)
        __builtin_trap();
    for (auto it = decoded.builders.begin(); it != decoded.builders.end(); ++it) {
        if (it.key() < 0 || it.key() >= chart::BlockTotal || it.value().isEmpty())
            __builtin_trap();
    }

    chart::Chart chart;
    chart.colors = decoded.colors;
    chart.settings = decoded.settings;
    chart.done = decoded.done;
    chart.builders = decoded.builders;
    const chart::ChartFileRead again = chart::decodeChartFile(
        chart::encodeChartFile(chart, decoded.pictureName, decoded.picture));
    if (again.status != chart::ChartFileStatus::Ok || again.data.pictureName != decoded.pictureName
        || again.data.picture != decoded.picture || again.data.colors != decoded.colors
        || again.data.settings != decoded.settings || again.data.done != decoded.done
        || again.data.builders != decoded.builders)
        __builtin_trap();
    return 0;
}

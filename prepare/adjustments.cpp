#include "adjustments.h"

#include "labcolor.h"

#include <vector>

namespace prepare {

QImage adjusted(const QImage &picture, const Adjustments &adjustments, const LabColor &lab)
{
    if (adjustments.isNeutral())
        return picture;
    const double contrast = 1 + adjustments.contrast / 100.0;
    const double saturation = 1 + adjustments.saturation / 100.0;
    QImage result = picture;
    std::vector<cmsCIELab> row(size_t(picture.width()));
    for (int y = 0; y < picture.height(); ++y) {
        lab.fromRgb(picture.constScanLine(y), row.data(), picture.width());
        uchar *out = result.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            cmsCIELab color = row[size_t(x)];
            color.L += adjustments.brightness / 2.0;
            color.L = 50 + (color.L - 50) * contrast;
            color.a *= saturation;
            color.b *= saturation;
            const QRgb rgb = lab.toRgb(color);
            out[3 * x] = uchar(qRed(rgb));
            out[3 * x + 1] = uchar(qGreen(rgb));
            out[3 * x + 2] = uchar(qBlue(rgb));
        }
    }
    return result;
}

} // namespace prepare

// A decoded picture averaged down by a whole factor in linear light, once,
// after decoding: every scaling that follows works on a small picture instead
// of every decoded pixel. Each
// pixel of the result is the mean light of factor x factor pixels (fewer at
// the right and bottom edges), alpha-weighted where there is alpha.
#pragma once

#include <QImage>
#include <functional>

namespace prepare {

// image: any format, sRGB where it has no colour space. The result is
// Format_RGBX64, or Format_RGBA64_Premultiplied where there is alpha, in the
// picture's own primaries with a linear transfer function.
QImage reduceInLinearLight(const QImage &image, int factor);

// Rows top .. top + count - 1 of a picture, as an image of their own (as
// above); a null image where it could not be made.
using PictureRows = std::function<QImage(int top, int count)>;

// The same for a picture of that size given a band of factor rows at a time,
// so that only the band is ever laid out as an image; every band of one
// picture has the same format and colour space.
QImage reduceInLinearLight(QSize size, const PictureRows &rows, int factor);

} // namespace prepare

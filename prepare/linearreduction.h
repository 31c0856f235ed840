// A decoded picture averaged down by a whole factor in linear light, once,
// after decoding: every scaling that follows works on a small picture instead
// of every decoded pixel. Each
// pixel of the result is the mean light of factor x factor pixels (fewer at
// the right and bottom edges), alpha-weighted where there is alpha.
#pragma once

#include <QImage>

namespace prepare {

// image: Format_RGB888, RGB32, RGBA8888, RGBX64 or RGBA64 (premultiplied or not),
// sRGB where it has no colour space. The result is Format_RGBX64, or
// Format_RGBA64_Premultiplied where there is alpha, in the picture's own
// primaries with a linear transfer function.
QImage reduceInLinearLight(const QImage &image, int factor);

} // namespace prepare

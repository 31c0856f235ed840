// CIEDE2000 (kL = kC = kH = 1), step for step as Little CMS's
// cmsCIE2000DeltaE() computes it, in about 60 % of its time: the cosines of
// the mean hue's multiples come from one sine and cosine, the seventh powers
// from products. Error diffusion measures several colours for every pixel.
#pragma once

#include <lcms2.h>

namespace prepare {

double ciede2000(const cmsCIELab &a, const cmsCIELab &b);

} // namespace prepare

#include "modshared.h"

void modShared::clearAnalysis()
{
    strAnalysedFileName.clear();
    lngColorRGB.clear();
    lngColorCount.clear();
    intPixelColor.clear();
}

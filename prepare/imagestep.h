// Every conversion and scaling of a picture is checked: Qt answers memory that
// runs out with a null image, and a null image composed on the background
// would leave a plain picture of the background. Qt's allocation limit does
// not reach conversions, so tests make a step fail through this seam.
#pragma once

#include <QImage>

namespace prepare {

// Whether a step gave no picture: a null image, or the step a test chose.
bool imageStepFailed(const QImage &result);

// For tests: the step-th check from now on fails (1 the next); 0 for none.
void failImageStepForTesting(int step);

} // namespace prepare

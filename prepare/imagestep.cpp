#include "imagestep.h"

#include <atomic>

namespace prepare {

namespace {

std::atomic<int> stepsUntilFailure = 0;

} // namespace

bool imageStepFailed(const QImage &result)
{
    if (stepsUntilFailure > 0 && --stepsUntilFailure == 0)
        return true;
    return result.isNull();
}

void failImageStepForTesting(int step)
{
    stepsUntilFailure = step;
}

} // namespace prepare

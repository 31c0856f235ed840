#include "memorythresholds.h"

#include <malloc.h>

void fixMemoryThresholds()
{
    static const bool fixed = [] {
        mallopt(M_MMAP_THRESHOLD, 4 << 20);
        mallopt(M_TRIM_THRESHOLD, 1 << 20);
        return true;
    }();
    (void)fixed;
}

// glibc's malloc moves its thresholds with what a process frees: once a block
// of N bytes is freed, later blocks up to N (up to 32 MiB) come from the heap,
// which keeps freed memory instead of giving it back. Decoded photos are such
// blocks: each photo opened in turn would add its own to the memory the
// process keeps for the rest of its run.
#pragma once

// Fixes the thresholds for the whole process, once: blocks of 4 MiB and more
// are mapped on their own and given back when freed; up to 1 MiB of freed
// heap is kept at hand (Qt's PDF writer takes and frees 256 KB a page, and
// faulting that in anew each time cost a third of a 192-page print). More
// would stay in each of the arenas of libheif's decoding threads.
void fixMemoryThresholds();

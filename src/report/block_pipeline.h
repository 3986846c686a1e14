// Writing a section's features in blocks made side by side on worker
// threads: each block is written into a memory stream of its own, and the
// blocks reach the report in order, so the bytes are those one thread makes.
#pragma once

#include <cstddef>
#include <functional>

#include "report/column_table.h"

namespace plotwarden {

// How many threads write blocks at most, the calling thread among them,
// and how many features make a block. One thread writes everything
// straight into the report.
struct BlockConcurrency {
  int threads = 1;
  int featuresPerBlock = 256;
};

// The machine's processor count, at least 1 and at most 8, with the usual
// block size.
BlockConcurrency defaultBlockConcurrency();

// The setting every section writer uses; the default until changed.
const BlockConcurrency& blockConcurrency();
void setBlockConcurrency(BlockConcurrency concurrency);

// Calls writeBlock(blockWriter, i) for every i below `blockCount` and puts
// what each wrote into writer.out in order of i, and the libraries each
// called for at the end of writer.libraries. A block writer has writer's
// settings and is reused for later blocks, so its buffers keep their storage.
using BlockMaker = std::function<void(TableWriter& blockWriter, size_t block)>;
void writeBlocksInOrder(TableWriter& writer, size_t blockCount, const BlockMaker& writeBlock);

}  // namespace plotwarden

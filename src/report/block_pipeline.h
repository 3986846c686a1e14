// Writing a section's features in blocks made side by side on worker
// threads: each block is written into a memory stream of its own, and the
// blocks reach the report in order, so the bytes are those one thread makes.
#pragma once

#include <cstddef>
#include <functional>

#include "report/column_table.h"

namespace plotwarden {

// Calls writeBlock(blockWriter, i) for every i below `blockCount` and puts
// what each wrote into writer.out in order of i, and the libraries each
// called for at the end of writer.libraries. A block writer has writer's
// settings and is reused for later blocks, so its buffers keep their storage.
using BlockMaker = std::function<void(TableWriter& blockWriter, size_t block)>;
void writeBlocksInOrder(TableWriter& writer, size_t blockCount, const BlockMaker& writeBlock);

}  // namespace plotwarden

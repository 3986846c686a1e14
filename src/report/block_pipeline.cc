#include "report/block_pipeline.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/thread_start.h"

namespace plotwarden {

namespace {

constexpr int kMostThreads = 8;
// Blocks may be ready well ahead of the one the report needs next, so that
// the other workers go on while one hands blocks to the file.
constexpr size_t kFewestSlots = 16;
constexpr size_t kMostSlots = std::max<size_t>(kFewestSlots, size_t{2} * kMostThreads);

// The storage of the block streams, kept from one section to the next:
// fresh storage costs a page fault for every 4 KiB and a copy of the text at
// each growth. Only the calling thread takes and gives back storage, and
// room for every slot's is made at once, so giving it back never allocates.
std::vector<UnclearedArray<char>>& spareStorage() {
  static std::vector<UnclearedArray<char>> spare = [] {
    std::vector<UnclearedArray<char>> room;
    room.reserve(kMostSlots);
    return room;
  }();
  return spare;
}

// A block being written: its own memory stream and a writer on it.
struct Slot {
  explicit Slot(const SectionSettings& settings) : writer(text, settings) {
    if (!spareStorage().empty()) {
      text.storage = std::move(spareStorage().back());
      spareStorage().pop_back();
    }
  }
  ~Slot() { spareStorage().push_back(std::move(text.storage)); }
  Slot(const Slot&) = delete;
  Slot& operator=(const Slot&) = delete;

  OutputStream text;
  TableWriter writer;
  bool ready = false;  // holds a written block not yet in the report
};

void moveLibraries(std::vector<NamedLibrary>& from, std::vector<NamedLibrary>& to) {
  to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
  from.clear();
}

// Workers, the calling thread among them, take blocks in order; block i is
// written in slot i % slots, which is free once block i - slots is in the
// report. Whichever worker finds the next block for the report ready puts
// it there, and every ready block after it, while the others go on making
// blocks: no thread waits on each block only to hand it to the file.
class Pipeline {
 public:
  Pipeline(TableWriter& writer, size_t blockCount, const BlockMaker& writeBlock, size_t threads)
      : writer_(writer), blockCount_(blockCount), writeBlock_(writeBlock) {
    const size_t slots = std::max<size_t>(kFewestSlots, 2 * threads);
    for (size_t i = 0; i < slots; ++i) slots_.push_back(std::make_unique<Slot>(writer.settings));
  }

  // Starts up to `helpers` workers besides the calling thread.
  void start(size_t helpers) {
    startHelperThreads(helpers_, helpers, [this] { work(); });
  }

  // Works on the calling thread until every block is in the report, then
  // waits for the helpers; a failure of any (out of memory) goes on here.
  void finish() {
    work();
    for (std::thread& helper : helpers_) helper.join();
    if (failure_) std::rethrow_exception(failure_);
  }

  ~Pipeline() {
    {
      std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    changed_.notify_all();
    for (std::thread& helper : helpers_)
      if (helper.joinable()) helper.join();
  }

 private:
  Slot& slotOf(size_t block) { return *slots_[block % slots_.size()]; }

  void work() {
    for (;;) {
      size_t block;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] {
          return stopped_ || next_ >= blockCount_ || next_ < committed_ + slots_.size();
        });
        if (stopped_ || next_ >= blockCount_) return;
        block = next_++;
      }
      try {
        writeBlock_(slotOf(block).writer, block);
        {
          std::lock_guard lock(mutex_);
          slotOf(block).ready = true;
          if (committing_) continue;  // the committing worker takes it in turn
          committing_ = true;
        }
        commitReadyBlocks();
      } catch (...) {
        std::lock_guard lock(mutex_);
        failure_ = std::current_exception();
        stopped_ = true;
        changed_.notify_all();
        return;
      }
    }
  }

  // Puts the ready blocks into the report in order, up to the first that is
  // not ready; only one worker at a time does.
  void commitReadyBlocks() {
    for (;;) {
      Slot* slot;
      {
        std::lock_guard lock(mutex_);
        slot = &slotOf(committed_);
        if (committed_ >= blockCount_ || !slot->ready) {
          committing_ = false;
          return;
        }
      }
      putConverted(writer_.out, bufferedText(slot->text));
      discardText(slot->text);
      moveLibraries(slot->writer.libraries, writer_.libraries);
      {
        std::lock_guard lock(mutex_);
        slot->ready = false;
        ++committed_;
      }
      changed_.notify_all();
    }
  }

  TableWriter& writer_;
  const size_t blockCount_;
  const BlockMaker& writeBlock_;
  std::vector<std::unique_ptr<Slot>> slots_;
  std::vector<std::thread> helpers_;
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_ = 0;
  size_t committed_ = 0;
  bool committing_ = false;
  bool stopped_ = false;
  std::exception_ptr failure_;
};

}  // namespace

BlockConcurrency defaultBlockConcurrency() {
  static const BlockConcurrency machine = {
      std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostThreads), 256};
  return machine;
}

void writeBlocksInOrder(TableWriter& writer, size_t blockCount, const BlockMaker& writeBlock) {
  const int most = std::clamp(writer.settings.blocks.threads, 1, kMostThreads);
  const size_t threads = std::min(blockCount, static_cast<size_t>(most));
  if (threads > 1) {
    Pipeline pipeline(writer, blockCount, writeBlock, threads);
    pipeline.start(threads - 1);
    pipeline.finish();
    return;
  }
  for (size_t block = 0; block < blockCount; ++block) writeBlock(writer, block);
}

}  // namespace plotwarden

#include "report/block_pipeline.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace plotwarden {

namespace {

constexpr int kMostThreads = 8;
// Blocks may be ready well ahead of the one the report needs next, so that
// the workers go on while the calling thread waits for the file.
constexpr size_t kFewestSlots = 16;
constexpr size_t kMostSlots = std::max<size_t>(kFewestSlots, 2 * kMostThreads);

BlockConcurrency& setting() {
  static BlockConcurrency concurrency = defaultBlockConcurrency();
  return concurrency;
}

// The storage of the block streams, kept from one section to the next:
// fresh storage costs a page fault for every 4 KiB and zeroing it. Only the
// calling thread takes and gives back storage, and room for every slot's is
// made at once, so giving it back never allocates.
std::vector<std::string>& spareStorage() {
  static std::vector<std::string> spare = [] {
    std::vector<std::string> room;
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

void moveLibraries(LibraryQueue& from, LibraryQueue& to) {
  for (LibraryQueueEntry& entry : from.entries) to.entries.push_back(std::move(entry));
  from.entries.clear();
}

// Workers take blocks in order; block i is written in slot i % slots, which
// is free once block i - slots is in the report. The calling thread puts
// the blocks into the report in order as they become ready.
class Pipeline {
 public:
  Pipeline(TableWriter& writer, size_t blockCount, const BlockMaker& writeBlock, size_t threads)
      : writer_(writer), blockCount_(blockCount), writeBlock_(writeBlock) {
    const size_t slots = std::max<size_t>(kFewestSlots, 2 * threads);
    for (size_t i = 0; i < slots; ++i)
      slots_.push_back(std::make_unique<Slot>(writer.settings));
  }

  // False when no worker could be started.
  bool start(size_t threads) {
    for (size_t i = 0; i < threads; ++i) {
      try {
        workers_.emplace_back([this] { work(); });
      } catch (const std::system_error&) {
        break;  // as many as the system gives
      }
    }
    return !workers_.empty();
  }

  void collect() {
    for (size_t block = 0; block < blockCount_; ++block) {
      Slot& slot = *slots_[block % slots_.size()];
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return slot.ready || stopped_; });
        if (stopped_) break;
      }
      putConverted(writer_.out, bufferedText(slot.text));
      discardText(slot.text);
      moveLibraries(slot.writer.libraries, writer_.libraries);
      {
        std::lock_guard lock(mutex_);
        slot.ready = false;
        ++committed_;
      }
      changed_.notify_all();
    }
  }

  // Waits for the workers; a failure of one (out of memory) goes on in the
  // calling thread.
  void finish() {
    stopWorkers();
    if (failure_) std::rethrow_exception(failure_);
  }

  ~Pipeline() { stopWorkers(); }

 private:
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
      Slot& slot = *slots_[block % slots_.size()];
      try {
        writeBlock_(slot.writer, block);
      } catch (...) {
        std::lock_guard lock(mutex_);
        failure_ = std::current_exception();
        stopped_ = true;
        changed_.notify_all();
        return;
      }
      {
        std::lock_guard lock(mutex_);
        slot.ready = true;
      }
      changed_.notify_all();
    }
  }

  void stopWorkers() {
    {
      std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_)
      if (worker.joinable()) worker.join();
  }

  TableWriter& writer_;
  const size_t blockCount_;
  const BlockMaker& writeBlock_;
  std::vector<std::unique_ptr<Slot>> slots_;
  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_ = 0;
  size_t committed_ = 0;
  bool stopped_ = false;
  std::exception_ptr failure_;
};

}  // namespace

BlockConcurrency defaultBlockConcurrency() {
  const int processors = static_cast<int>(std::thread::hardware_concurrency());
  return {std::clamp(processors, 1, kMostThreads), 256};
}

const BlockConcurrency& blockConcurrency() { return setting(); }

void setBlockConcurrency(BlockConcurrency concurrency) {
  concurrency.threads = std::clamp(concurrency.threads, 1, kMostThreads);
  concurrency.featuresPerBlock = std::max(concurrency.featuresPerBlock, 1);
  setting() = concurrency;
}

void writeBlocksInOrder(TableWriter& writer, size_t blockCount, const BlockMaker& writeBlock) {
  const size_t threads =
      std::min(blockCount, static_cast<size_t>(blockConcurrency().threads));
  if (threads > 1) {
    Pipeline pipeline(writer, blockCount, writeBlock, threads);
    if (pipeline.start(threads)) {
      pipeline.collect();
      pipeline.finish();
      return;
    }
  }
  for (size_t block = 0; block < blockCount; ++block) writeBlock(writer, block);
}

}  // namespace plotwarden

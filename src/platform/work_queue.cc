#include "platform/work_queue.h"

#include <algorithm>
#include <utility>

#include "platform/thread_start.h"

namespace plotwarden {

WorkQueue::WorkQueue(size_t count, size_t helpers, PieceWork work)
    : count_(count), work_(std::move(work)), done_(count, 0), failures_(count) {
  // The helpers running when a start fails are stopped before the failure goes on.
  try {
    startHelperThreads(helpers_, std::min(helpers, count > 0 ? count - 1 : 0),
                       [this] { this->work(); });
  } catch (...) {
    stopAndJoin();
    throw;
  }
}

WorkQueue::~WorkQueue() { stopAndJoin(); }

void WorkQueue::stopAndJoin() {
  stop();
  for (std::thread& helper : helpers_) helper.join();
}

void WorkQueue::stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  stopSource_.request_stop();
}

bool WorkQueue::runNext(std::unique_lock<std::mutex>& lock) {
  if (stopped_ || next_ >= count_) return false;
  const size_t piece = next_++;
  lock.unlock();
  std::exception_ptr failure;
  try {
    work_(piece, stopSource_.get_token());
  } catch (...) {
    failure = std::current_exception();
  }
  lock.lock();
  failures_[piece] = failure;
  done_[piece] = 1;
  finished_.notify_all();
  return true;
}

void WorkQueue::work() {
  std::unique_lock lock(mutex_);
  while (runNext(lock)) {
  }
}

void WorkQueue::waitFor(size_t piece) {
  std::unique_lock lock(mutex_);
  while (!done_[piece]) {
    // A piece taken by a helper is waited for only when nothing is left to take.
    if (!runNext(lock)) finished_.wait(lock, [&] { return done_[piece] != 0; });
  }
  if (failures_[piece]) std::rethrow_exception(failures_[piece]);
}

void shareWork(size_t count, size_t threads, const std::function<void(size_t piece)>& work) {
  WorkQueue queue(count, threads > 0 ? threads - 1 : 0,
                  [&work](size_t piece, const std::stop_token&) { work(piece); });
  for (size_t piece = 0; piece < count; ++piece) queue.waitFor(piece);
}

}  // namespace plotwarden

#include "platform/work_queue.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace plotwarden {

WorkQueue::WorkQueue(size_t count, size_t helpers, PieceWork work)
    : count_(count), work_(std::move(work)), done_(count, 0), failures_(count) {
  // Room first: once a helper runs, only a thread's start may throw here,
  // and the helpers running then are stopped before the failure goes on.
  helpers = std::min(helpers, count > 0 ? count - 1 : 0);
  helpers_.reserve(helpers);
  for (size_t i = 0; i < helpers; ++i) {
    try {
      helpers_.emplace_back([this] { this->work(); });
    } catch (const std::system_error&) {
      break;  // the calling thread takes the rest in waitFor
    } catch (...) {
      stopAndJoin();
      throw;
    }
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

// Pieces of work shared out among a few threads: each thread takes the
// lowest piece not yet taken, so a thread that runs slower (or is kept off
// its processor for a while) takes fewer pieces, and all finish together.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace plotwarden {

// Piece i is work(i, stop), i below `count`. Helper threads start taking
// pieces at once; the calling thread takes its share in waitFor. A piece
// should end soon once `stop` is requested.
using PieceWork = std::function<void(size_t piece, const std::stop_token& stop)>;

class WorkQueue {
 public:
  // Starts up to `helpers` threads (as many as the system gives).
  WorkQueue(size_t count, size_t helpers, PieceWork work);
  // Stops the queue and waits for the helpers.
  ~WorkQueue();
  WorkQueue(const WorkQueue&) = delete;
  WorkQueue& operator=(const WorkQueue&) = delete;

  // Returns once `piece` is done, running pieces not yet taken on the
  // calling thread while it is not; throws again what the piece threw.
  // Called before stop: a piece not begun by then never is.
  void waitFor(size_t piece);

  // No piece is begun from now on, and those running are asked to stop.
  void stop();

 private:
  void work();
  void stopAndJoin();
  // Runs the lowest piece not yet taken, if any; false when none is left.
  bool runNext(std::unique_lock<std::mutex>& lock);

  const size_t count_;
  const PieceWork work_;
  std::mutex mutex_;
  std::condition_variable finished_;
  std::vector<char> done_;
  std::vector<std::exception_ptr> failures_;
  size_t next_ = 0;
  bool stopped_ = false;
  std::stop_source stopSource_;
  std::vector<std::thread> helpers_;
};

// Runs work(i) for every i below `count` on up to `threads` threads, the
// calling thread among them, and throws again the failure of the lowest
// piece that failed.
void shareWork(size_t count, size_t threads, const std::function<void(size_t piece)>& work);

}  // namespace plotwarden

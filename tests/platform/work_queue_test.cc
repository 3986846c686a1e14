#include "platform/work_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace plotwarden {
namespace {

// Every piece runs once, whether the calling thread runs them all or
// shares them with helpers, and however many there are against threads.
TEST(ShareWork, RunsEveryPieceOnce) {
  for (size_t threads : {0, 1, 2, 3, 8}) {
    for (size_t count : {0, 1, 2, 5, 100}) {
      std::vector<std::atomic<int>> runs(count);
      shareWork(count, threads, [&](size_t piece) { ++runs[piece]; });
      for (size_t piece = 0; piece < count; ++piece)
        EXPECT_EQ(runs[piece].load(), 1) << piece << " of " << count << ", " << threads;
    }
  }
}

// A thread kept busy by one piece leaves the others to the rest.
TEST(ShareWork, ASlowPieceDoesNotHoldTheOthersBack) {
  std::atomic<bool> slowDone = false;
  std::atomic<int> doneWhileSlow = 0;
  shareWork(20, 2, [&](size_t piece) {
    if (piece == 0) {
      while (doneWhileSlow < 19) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      slowDone = true;
    } else if (!slowDone) {
      ++doneWhileSlow;
    }
  });
  EXPECT_EQ(doneWhileSlow.load(), 19);
}

TEST(ShareWork, AFailureGoesOnToTheCaller) {
  for (size_t threads : {1, 2, 4}) {
    try {
      shareWork(10, threads, [](size_t piece) {
        if (piece == 3 || piece == 7) throw std::runtime_error(std::to_string(piece));
      });
      ADD_FAILURE() << "no failure came through";
    } catch (const std::runtime_error& failure) {
      EXPECT_STREQ(failure.what(), "3") << threads;  // the lowest failed piece
    }
  }
}

// Waiting for a piece runs untaken pieces here, in order.
TEST(WorkQueue, WaitingRunsUntakenPiecesHere) {
  std::vector<int> runs(4, 0);
  WorkQueue queue(4, 0, [&](size_t piece, const std::stop_token&) { ++runs[piece]; });
  queue.waitFor(1);
  EXPECT_EQ(runs, (std::vector<int>{1, 1, 0, 0}));
  queue.waitFor(3);
  EXPECT_EQ(runs, (std::vector<int>{1, 1, 1, 1}));
}

// After stop no piece begins, and a running one is asked to end.
TEST(WorkQueue, StopEndsTheRunningPieceAndBeginsNoMore) {
  std::atomic<bool> started = false;
  std::atomic<int> begun = 0;
  {
    WorkQueue queue(5, 1, [&](size_t, const std::stop_token& stop) {
      ++begun;
      started = true;
      while (!stop.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    while (!started) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    queue.stop();
  }  // waits for the helper, which ends its piece
  EXPECT_EQ(begun.load(), 1);
}

}  // namespace
}  // namespace plotwarden

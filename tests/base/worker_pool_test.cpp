#include "base/worker_pool.h"

#include <gtest/gtest.h>

#include <sched.h>

#include <atomic>
#include <chrono>
#include <cfenv>
#include <thread>
#include <vector>

#include "base/fp_fault.h"

// The kept threads take part at once, every time, each starting without the flags an earlier
// task left; calls from two threads at once both finish, one of them alone.
TEST(WorkerPool, KeptThreadsShareTheTaskAndStartWithClearFlags) {
  for (int round = 0; round < 50; ++round) {
    std::atomic<int> calls{0}, flagged{0};
    RunOnKeptThreads(1, [&] {
      if (std::fetestexcept(FE_OVERFLOW)) ++flagged;
      ++calls;
      std::feraiseexcept(FE_OVERFLOW);
    });
    EXPECT_GE(calls, 1);
    EXPECT_LE(calls, 2);
    ClearFloatingPointFlags();
    EXPECT_EQ(flagged, 0);
  }
  std::atomic<int> total{0};
  std::vector<std::thread> callers;
  for (int t = 0; t < 4; ++t)
    callers.emplace_back([&] {
      for (int i = 0; i < 100; ++i) RunOnKeptThreads(2, [&] { ++total; });
    });
  for (std::thread& caller : callers) caller.join();
  EXPECT_GE(total, 400);
}

// Every kept thread is held on one core; the caller keeps the cores it had.
TEST(WorkerPool, KeptThreadsHeldOnACoreEach) {
  const auto coresOfThisThread = [] {
    cpu_set_t set;
    CPU_ZERO(&set);
    sched_getaffinity(0, sizeof set, &set);
    return CPU_COUNT(&set);
  };
  const int callerCores = coresOfThisThread();
  const std::thread::id caller = std::this_thread::get_id();
  std::atomic<int> kept{0}, heldOnOne{0};
  for (int round = 0; round < 20; ++round)
    RunOnKeptThreads(2, [&] {
      if (std::this_thread::get_id() == caller) {  // gives the kept threads time to join in
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return;
      }
      ++kept;
      if (coresOfThisThread() == 1) ++heldOnOne;
    });
  EXPECT_GT(kept, 0);
  EXPECT_EQ(heldOnOne, kept);
  EXPECT_EQ(coresOfThisThread(), callerCores);
}

TEST(WorkerPool, BackgroundTasksRunInTurn) {
  std::vector<int> order;
  std::vector<std::future<int>> results;
  for (int i = 0; i < 20; ++i)
    results.push_back(InBackground<int>([&order, i] {
      order.push_back(i);
      return i * i;
    }));
  for (int i = 0; i < 20; ++i) EXPECT_EQ(results[i].get(), i * i);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(order[i], i);
}

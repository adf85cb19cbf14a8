#include "base/worker_pool.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "base/fp_fault.h"

namespace {

// Kept threads yield to the window thread where they share its core: it hands them their next
// work and shows their results, and a window that waits for the cores it feeds leaves them idle.
constexpr int kKeptThreadNice = 5;
void LowerThisThreadsPriority() { setpriority(PRIO_PROCESS, gettid(), kKeptThreadNice); }

// The cores this process may run on.
std::vector<int> AllowedCores() {
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  std::vector<int> cores;
  if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return cores;
  for (int c = 0; c < CPU_SETSIZE; ++c)
    if (CPU_ISSET(c, &allowed)) cores.push_back(c);
  return cores;
}

// Keeps the thread on the given core from now on.
void HoldOnCore(std::thread& thread, int core) {
  cpu_set_t one;
  CPU_ZERO(&one);
  CPU_SET(core, &one);
  pthread_setaffinity_np(thread.native_handle(), sizeof one, &one);
}

class WorkerPool {
 public:
  // Kept thread i is held on the i-th allowed core: a woken thread is often queued on its
  // waker's core and waits there for milliseconds while another core idles.
  explicit WorkerPool(unsigned size) {
    const std::vector<int> cores = AllowedCores();
    for (unsigned i = 0; i < size; ++i) {
      threads_.emplace_back([this] { Serve(); });
      if (!cores.empty()) HoldOnCore(threads_.back(), cores[i % cores.size()]);
    }
  }
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  unsigned Size() const { return static_cast<unsigned>(threads_.size()); }

  // Hands task to `helpers` kept threads; false when another task holds them.
  bool Start(unsigned helpers, const std::function<void()>* task) {
    {
      const std::lock_guard lock(mutex_);
      if (task_) return false;
      task_ = task;
      unclaimed_ = helpers;
      running_ = helpers;
      ++generation_;
    }
    // Woken after the lock is released: a waker preempted while holding it would keep every
    // woken thread waiting for it, however many cores idle.
    wake_.notify_all();
    return true;
  }

  // Once the caller's share is done, helpers that have not started yet are not waited for.
  void WaitForHelpers() {
    std::unique_lock lock(mutex_);
    running_ -= unclaimed_;
    unclaimed_ = 0;
    done_.wait(lock, [this] { return running_ == 0; });
    task_ = nullptr;
  }

 private:
  void Serve() {
    LowerThisThreadsPriority();
    unsigned long seen = 0;
    for (;;) {
      const std::function<void()>* task;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return generation_ != seen && unclaimed_ > 0; });
        seen = generation_;
        --unclaimed_;
        task = task_;
      }
      ClearFloatingPointFlags();
      (*task)();
      bool last;
      {
        const std::lock_guard lock(mutex_);
        last = --running_ == 0;
      }
      if (last) done_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_, done_;
  const std::function<void()>* task_ = nullptr;
  unsigned long generation_ = 0;
  unsigned unclaimed_ = 0, running_ = 0;
  std::vector<std::thread> threads_;
};

// One kept thread that runs the tasks handed to it in turn.
class BackgroundThread {
 public:
  BackgroundThread() : thread_([this] { Serve(); }) {}

  void Add(std::function<void()> task) {
    {
      const std::lock_guard lock(mutex_);
      tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
  }

 private:
  void Serve() {
    LowerThisThreadsPriority();
    for (;;) {
      std::function<void()> task;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return !tasks_.empty(); });
        task = std::move(tasks_.front());
        tasks_.pop_front();
      }
      ClearFloatingPointFlags();
      task();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;
  std::thread thread_;
};

// Never destroyed: its threads wait for work until the process ends.
WorkerPool& Pool() {
  static WorkerPool* pool = new WorkerPool(std::thread::hardware_concurrency());
  return *pool;
}

}  // namespace

void RunInBackground(std::function<void()> task) {
  static BackgroundThread* background = new BackgroundThread;  // never destroyed, as the pool
  background->Add(std::move(task));
}

void RunOnKeptThreads(unsigned helpers, const std::function<void()>& task) {
  WorkerPool& pool = Pool();
  helpers = std::min(helpers, pool.Size());
  const bool shared = helpers > 0 && pool.Start(helpers, &task);
  task();
  if (shared) pool.WaitForHelpers();
}

#pragma once
#include <functional>
#include <future>
#include <memory>

// Threads kept for the whole run, so that work handed over starts at once: a thread made for
// the occasion starts on its maker's core and may wait milliseconds there for another one.
// Run(helpers, task) calls task on the calling thread and on up to `helpers` kept threads at
// the same time, and returns when every call has returned. There is a kept thread for every
// core, each held on its core. Calls from several threads at once are served one at a time; a
// call made meanwhile runs task on its own thread alone, so that nothing waits for the pool.
// Each kept thread starts every task with the fault flags clear, as a new thread would. task
// must not throw.
void RunOnKeptThreads(unsigned helpers, const std::function<void()>& task);

// Runs task on a kept thread of its own, after the tasks handed to it before; it starts with
// the fault flags clear. task must not throw.
void RunInBackground(std::function<void()> task);

// The result of f, computed by RunInBackground.
template <class T>
std::future<T> InBackground(std::function<T()> f) {
  auto task = std::make_shared<std::packaged_task<T()>>(std::move(f));
  std::future<T> result = task->get_future();
  RunInBackground([task] { (*task)(); });
  return result;
}

#include "search/search_runner.h"
#include <algorithm>

int InlineRunner::start(Work work, Deliver deliver) {
  search.clearStop();
  work(search);
  deliver();
  return 0;
}

int InlineRunner::startWithReports(ReportingWork work, Deliver deliver) {
  return start([&work](SearchEngine& engine) { work(engine, [](Deliver call) { call(); }); }, std::move(deliver));
}

ThreadRunner::ThreadRunner(const EndgameDatabase& database, Post post)
    : search(database), post(std::move(post)), worker([this] { work(); }) {}

ThreadRunner::~ThreadRunner() { shutdown(); }

int ThreadRunner::start(Work work, Deliver deliver) {
  return startWithReports([work = std::move(work)](SearchEngine& engine, const Report&) { work(engine); },
                          std::move(deliver));
}

int ThreadRunner::startWithReports(ReportingWork work, Deliver deliver) {
  std::lock_guard<std::mutex> lock(mutex);
  const int id = ++lastId;
  queue.push_back({id, std::move(work)});
  deliveries[id] = std::move(deliver);
  wake.notify_one();
  return id;
}

void ThreadRunner::finishEarly(int job) {
  std::lock_guard<std::mutex> lock(mutex);
  if (job == 0) return;
  if (running == job) {
    quieted = job;
    search.requestStop();
  } else if (std::any_of(queue.begin(), queue.end(), [job](const Job& j) { return j.id == job; })) {
    // Still waiting behind another job: the request must not be lost when it starts.
    finishOnStart.push_back(job);
  }
}

void ThreadRunner::cancel(int job) {
  std::lock_guard<std::mutex> lock(mutex);
  if (job == 0) return;
  deliveries.erase(job);
  queue.erase(std::remove_if(queue.begin(), queue.end(), [job](const Job& j) { return j.id == job; }), queue.end());
  finishOnStart.erase(std::remove(finishOnStart.begin(), finishOnStart.end(), job), finishOnStart.end());
  if (running == job) search.requestStop();
}

bool ThreadRunner::busy() const {
  std::lock_guard<std::mutex> lock(mutex);
  return !deliveries.empty();
}

void ThreadRunner::shutdown() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (quitting) return;
    quitting = true;
    queue.clear();
    deliveries.clear();
    if (running) search.requestStop();
  }
  wake.notify_one();
  if (worker.joinable()) worker.join();
}

void ThreadRunner::work() {
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> lock(mutex);
      wake.wait(lock, [this] { return quitting || !queue.empty(); });
      if (quitting) return;
      job = std::move(queue.front());
      queue.pop_front();
      running = job.id;
      search.clearStop();  // under the lock, so that a cancel of this job is never lost
      auto early = std::find(finishOnStart.begin(), finishOnStart.end(), job.id);
      if (early != finishOnStart.end()) {
        finishOnStart.erase(early);
        quieted = job.id;
        search.requestStop();  // the search still completes its first depth
      }
    }
    const int id = job.id;
    job.work(search, [this, id](Deliver call) { post([this, id, call] { report(id, call); }); });
    {
      std::lock_guard<std::mutex> lock(mutex);
      running = 0;
      if (quitting) return;
    }
    post([this, id] { deliver(id); });
  }
}

void ThreadRunner::report(int job, Deliver call) {
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (!deliveries.count(job) || quieted == job) return;  // canceled or stopping: a stale report
  }
  call();
}

void ThreadRunner::deliver(int job) {
  Deliver call;
  {
    std::lock_guard<std::mutex> lock(mutex);
    auto found = deliveries.find(job);
    if (found == deliveries.end()) return;  // canceled meanwhile
    call = std::move(found->second);
    deliveries.erase(found);
  }
  call();
}

#include "search/search_runner.h"
#include <algorithm>
#include <memory>

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
  std::lock_guard<std::mutex> lock(mutex);
  const int id = ++lastId;
  queue.push_back({id, std::move(work)});
  deliveries[id] = std::move(deliver);
  wake.notify_one();
  return id;
}

int ThreadRunner::startWithReports(ReportingWork work, Deliver deliver) {
  // The job's number is known only once queued; the work reads it when it runs.
  auto id = std::make_shared<int>(0);
  Work reporting = [this, id, work = std::move(work)](SearchEngine& engine) {
    const int job = *id;
    work(engine, [this, job](Deliver call) { post([this, job, call] { report(job, call); }); });
  };
  std::lock_guard<std::mutex> lock(mutex);
  const int job = ++lastId;
  *id = job;
  queue.push_back({job, std::move(reporting)});
  deliveries[job] = std::move(deliver);
  wake.notify_one();
  return job;
}

void ThreadRunner::finishEarly(int job) {
  std::lock_guard<std::mutex> lock(mutex);
  if (job != 0 && running == job) {
    quieted = job;
    search.requestStop();
  }
}

void ThreadRunner::cancel(int job) {
  std::lock_guard<std::mutex> lock(mutex);
  if (job == 0) return;
  deliveries.erase(job);
  queue.erase(std::remove_if(queue.begin(), queue.end(), [job](const Job& j) { return j.id == job; }), queue.end());
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
    }
    job.work(search);
    {
      std::lock_guard<std::mutex> lock(mutex);
      running = 0;
      if (quitting) return;
    }
    const int id = job.id;
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

// Where searches run: at once on the caller's thread (tools, tests), or on one worker thread
// whose results come back to the thread that started them (the window).
#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>
#include "search/search_engine.h"

class SearchRunner {
public:
  using Work = std::function<void(SearchEngine&)>;  // runs on the searching thread
  using Deliver = std::function<void()>;      // runs afterwards on the starting thread
  // Hands a call to the starting thread while the job runs; dropped once the job is
  // canceled or asked to finish early.
  using Report = std::function<void(Deliver)>;
  using ReportingWork = std::function<void(SearchEngine&, const Report&)>;

  virtual ~SearchRunner() = default;
  // Queues `work`; `deliver` follows on the starting thread unless the job is canceled.
  // Returns the job's number, or 0 when it was delivered before returning.
  virtual int start(Work work, Deliver deliver) = 0;
  // As start(), for work that reports while it runs (an analysis without end).
  virtual int startWithReports(ReportingWork work, Deliver deliver) = 0;
  // The job's search stops soon; its result (the best so far) is still delivered.
  virtual void finishEarly(int job) = 0;
  // The job stops soon, or never starts, and is never delivered.
  virtual void cancel(int job) = 0;
  // A job is queued, running, or waiting for its delivery.
  virtual bool busy() const = 0;
  virtual const EndgameDatabase& database() const = 0;
};

class InlineRunner : public SearchRunner {
public:
  explicit InlineRunner(const EndgameDatabase& database) : search(database) {}
  int start(Work work, Deliver deliver) override;
  int startWithReports(ReportingWork work, Deliver deliver) override;
  void finishEarly(int) override {}
  void cancel(int) override {}
  bool busy() const override { return false; }
  const EndgameDatabase& database() const override { return search.database(); }

private:
  SearchEngine search;
};

class ThreadRunner : public SearchRunner {
public:
  // Hands a call to the starting thread's event loop; called on the worker thread.
  using Post = std::function<void(std::function<void()>)>;

  ThreadRunner(const EndgameDatabase& database, Post post);
  ~ThreadRunner() override;  // stops and joins the worker

  int start(Work work, Deliver deliver) override;
  int startWithReports(ReportingWork work, Deliver deliver) override;
  void finishEarly(int job) override;
  void cancel(int job) override;
  bool busy() const override;
  const EndgameDatabase& database() const override { return search.database(); }
  // Drops every job, stops the running one and waits for the worker to end.
  void shutdown();

private:
  struct Job {
    int id;
    ReportingWork work;  // plain work ignores its reports
  };
  SearchEngine search;  // used by the worker only, apart from its stop request
  Post post;
  mutable std::mutex mutex;
  std::condition_variable wake;
  std::deque<Job> queue;
  std::map<int, Deliver> deliveries;  // jobs still wanted: queued, running or finished
  int quieted = 0;                    // the running job asked to finish early: its reports are dropped
  int running = 0;
  std::vector<int> finishOnStart;  // queued jobs asked to finish early: they stop as soon as they can
  int lastId = 0;
  bool quitting = false;
  std::thread worker;

  void work();
  void deliver(int job);
  void report(int job, Deliver call);
};

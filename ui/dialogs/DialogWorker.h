// The worker thread of a dialog whose work takes long: one job at a time on
// a thread of its own, so the window stays responsive. The job polls
// KeepGoing() (through the progress callback of the search it runs) and
// hands its progress to the dialog's thread through Post(); its end reaches
// the dialog's thread through a queued call once the thread has been joined.
// Stop() cancels the job, waits for it and drops whatever it still had
// queued, so a stopped job never reaches the dialog.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

class QObject;

namespace lodex {

class CDialogWorker {
 public:
  // Called on the dialog's thread when a job has ended by itself: empty, or
  // the text of the exception that ended it (or of the thread that could
  // not be started).
  using Finished = std::function<void(const std::string& error)>;

  // `owner` (the dialog) receives the queued calls; the worker is one of its
  // members, so it never outlives it.
  explicit CDialogWorker(QObject* owner) : m_owner(owner) {}
  // Stops a running job and waits for its thread.
  ~CDialogWorker() { Stop(); }
  CDialogWorker(const CDialogWorker&) = delete;
  CDialogWorker& operator=(const CDialogWorker&) = delete;

  // From Start until `finished` is called or Stop returns.
  bool IsRunning() const { return m_running; }

  // Runs `job` on a new thread and calls `finished` when it is over. Does
  // nothing and returns false while a job runs.
  bool Start(std::function<void()> job, Finished finished);
  // Asks the running job to stop and waits for its thread; `finished` is not
  // called.
  void Stop();

  // For the job: false once Stop has asked it to end.
  bool KeepGoing() const { return !m_cancel.load(); }
  // For the job: runs `update` on the dialog's thread, at most once in a
  // short interval unless `force` (the last report), and never after Stop.
  void Post(std::function<void()> update, bool force = false);

 private:
  // Runs `call` on the dialog's thread if job `run` is still the running one.
  void Deliver(uint64_t run, std::function<void()> call);

  QObject* m_owner;
  std::thread m_thread;
  std::atomic<bool> m_cancel{false};
  // The number of the latest job; calls queued by earlier jobs are dropped.
  // Written on the dialog's thread only while no job thread runs.
  uint64_t m_run = 0;
  bool m_running = false;
  Finished m_finished;
  std::chrono::steady_clock::time_point m_lastPost;  // the job's thread only
};

}  // namespace lodex

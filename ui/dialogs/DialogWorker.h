// The worker thread of a dialog whose work takes long: one job at a time on
// a thread of its own, so the window stays responsive. The job polls
// KeepGoing() (through the progress callback of the search it runs) and
// leaves its progress in a mailbox through Post(); a timer on the dialog's
// thread empties the mailbox, and once the job has ended joins its thread
// and reports the end. Nothing crosses between the threads but the mailbox
// under its lock, so every hand-over is one a race checker can see.
// Stop() cancels the job, waits for it and drops whatever it still had
// posted, so a stopped job never reaches the dialog.
#pragma once

#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class QObject;

namespace lodex {

class CDialogWorker {
 public:
  // Called on the dialog's thread when a job has ended by itself: empty, or
  // the text of the exception that ended it (or of the thread that could
  // not be started).
  using Finished = std::function<void(const std::string& error)>;

  // `owner` is the dialog; the worker is one of its members, so it never
  // outlives it.
  explicit CDialogWorker(QObject* owner);
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
  // On the dialog's thread: runs what the job posted and, once it has
  // ended, joins it and reports the end.
  void Drain();

  std::thread m_thread;
  std::atomic<bool> m_cancel{false};
  // The number of the latest job; the dialog's thread only.
  uint64_t m_run = 0;
  bool m_running = false;
  Finished m_finished;
  QTimer m_mailboxTimer;
  std::chrono::steady_clock::time_point m_lastPost;  // the job's thread only

  // The mailbox: written by the job, emptied by the dialog's thread.
  std::mutex m_mailboxLock;
  std::vector<std::function<void()>> m_posted;
  bool m_ended = false;
  std::string m_error;
};

}  // namespace lodex

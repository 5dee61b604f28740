#include "ui/dialogs/DialogWorker.h"

#include <QCoreApplication>
#include <QObject>
#include <exception>
#include <system_error>
#include <utility>

namespace lodex {
namespace {

// Progress reaches the window at most this often; jobs report far more.
constexpr auto kPostInterval = std::chrono::milliseconds(40);
// How often the dialog's thread looks into the mailbox while a job runs.
constexpr auto kDrainInterval = std::chrono::milliseconds(15);

}  // namespace

CDialogWorker::CDialogWorker(QObject* owner) : m_mailboxTimer(owner) {
  m_mailboxTimer.setInterval(kDrainInterval);
  QObject::connect(&m_mailboxTimer, &QTimer::timeout, [this] { Drain(); });
}

bool CDialogWorker::Start(std::function<void()> job, Finished finished) {
  if (m_running) return false;
  m_cancel = false;
  m_running = true;
  m_finished = std::move(finished);
  ++m_run;
  {
    const std::lock_guard lock(m_mailboxLock);
    m_posted.clear();
    m_ended = false;
    m_error.clear();
  }
  m_lastPost = std::chrono::steady_clock::now() - kPostInterval;
  auto body = [this, job = std::move(job)] {
    std::string error;
    try {
      job();
    } catch (const std::exception& e) {
      error = e.what();
    } catch (...) {
      error = QCoreApplication::translate("lodex::CDialogWorker", "неизвестная ошибка").toStdString();
    }
    const std::lock_guard lock(m_mailboxLock);
    m_ended = true;
    m_error = std::move(error);
  };
  try {
    m_thread = std::thread(std::move(body));
  } catch (const std::system_error& e) {
    // No thread to be had: the job ends at once with the reason.
    const std::lock_guard lock(m_mailboxLock);
    m_ended = true;
    m_error = e.what();
  }
  m_mailboxTimer.start();
  return true;
}

void CDialogWorker::Stop() {
  if (!m_running) return;
  m_cancel = true;
  if (m_thread.joinable()) m_thread.join();
  m_mailboxTimer.stop();
  m_running = false;
  m_finished = nullptr;
  ++m_run;
  const std::lock_guard lock(m_mailboxLock);
  m_posted.clear();
  m_ended = false;
}

void CDialogWorker::Post(std::function<void()> update, bool force) {
  const auto now = std::chrono::steady_clock::now();
  if (!force && now - m_lastPost < kPostInterval) return;
  m_lastPost = now;
  const std::lock_guard lock(m_mailboxLock);
  m_posted.push_back(std::move(update));
}

void CDialogWorker::Drain() {
  if (!m_running) return;
  std::vector<std::function<void()>> posted;
  bool ended = false;
  std::string error;
  {
    const std::lock_guard lock(m_mailboxLock);
    posted.swap(m_posted);
    ended = m_ended;
    error = m_error;
  }
  // A call may stop the job or start another, or spin an event loop that
  // drains again: each step checks that this job is still the running one.
  const uint64_t run = m_run;
  for (auto& call : posted) {
    call();
    if (run != m_run || !m_running) return;
  }
  if (!ended) return;
  if (m_thread.joinable()) m_thread.join();  // its last act was to say it ended
  m_mailboxTimer.stop();
  m_running = false;
  std::exchange(m_finished, nullptr)(error);
}

}  // namespace lodex

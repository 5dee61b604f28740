#include "ui/dialogs/DialogWorker.h"

#include <QMetaObject>
#include <QObject>
#include <exception>
#include <system_error>
#include <utility>

namespace lodex {
namespace {

// Progress reaches the window at most this often; jobs report far more.
constexpr auto kPostInterval = std::chrono::milliseconds(40);

}  // namespace

bool CDialogWorker::Start(std::function<void()> job, Finished finished) {
  if (m_running) return false;
  m_cancel = false;
  m_running = true;
  m_finished = std::move(finished);
  m_lastPost = std::chrono::steady_clock::now() - kPostInterval;
  const uint64_t run = ++m_run;
  auto body = [this, run, job = std::move(job)] {
    std::string error;
    try {
      job();
    } catch (const std::exception& e) {
      error = e.what();
    } catch (...) {
      error = "неизвестная ошибка";
    }
    Deliver(run, [this, error] {
      m_thread.join();  // its last act was to send this
      m_running = false;
      std::exchange(m_finished, nullptr)(error);
    });
  };
  try {
    m_thread = std::thread(std::move(body));
  } catch (const std::system_error& e) {
    // No thread to be had: the job ends at once with the reason.
    Deliver(run, [this, error = std::string(e.what())] {
      m_running = false;
      std::exchange(m_finished, nullptr)(error);
    });
  }
  return true;
}

void CDialogWorker::Stop() {
  if (!m_running) return;
  m_cancel = true;
  if (m_thread.joinable()) m_thread.join();
  m_running = false;
  m_finished = nullptr;
  ++m_run;
}

void CDialogWorker::Post(std::function<void()> update, bool force) {
  const auto now = std::chrono::steady_clock::now();
  if (!force && now - m_lastPost < kPostInterval) return;
  m_lastPost = now;
  Deliver(m_run, std::move(update));
}

void CDialogWorker::Deliver(uint64_t run, std::function<void()> call) {
  QMetaObject::invokeMethod(
      m_owner,
      [this, run, call = std::move(call)] {
        if (run == m_run && m_running) call();
      },
      Qt::QueuedConnection);
}

}  // namespace lodex

// The automatic synthesis dialog "Автоматический синтез": the largest
// number of inputs a block may keep (K), "Начать", a progress bar with the
// number of blocks still wider than K, the figures of the result or the
// reason it failed, and OK / "Отмена".
//
// The synthesis runs on a worker thread over a copy of the scheme, so the
// window stays responsive and the document is never touched before OK.
// "Отмена" (or Escape) stops a running synthesis and keeps the dialog open;
// with nothing running it closes the dialog. OK hands back the result of the
// last run; before a run it starts one and closes the dialog when the run
// succeeds, so a single OK does the whole job.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "model/LogicalScheme.h"
#include "synthesis/AutomaticSynthesis.h"
#include "ui/dialogs/DialogWorker.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QComboBox;
class QSpinBox;

namespace lodex {

class CAutoSynthDlg : public QDialog {
  Q_OBJECT
 public:
  // Synthesises copies of `scheme`; the spin box starts at `maxInputs`
  // (brought into 2..8), the goal at `objective`.
  CAutoSynthDlg(const CLogicalScheme& scheme, int maxInputs, SynthesisObjective objective = SynthesisObjective::Luts,
                QWidget* parent = nullptr);
  ~CAutoSynthDlg() override;
  CAutoSynthDlg(const CAutoSynthDlg&) = delete;
  CAutoSynthDlg& operator=(const CAutoSynthDlg&) = delete;

  // The synthesised scheme of the last run, none before one has succeeded
  // at the K shown.
  const std::optional<CLogicalScheme>& Choice() const { return m_result; }
  int MaxInputs() const;
  SynthesisObjective Objective() const;
  bool IsRunning() const { return m_worker.IsRunning(); }

  // "Начать": synthesises a copy of the scheme at the K shown. Does nothing
  // while a synthesis runs.
  void Start();
  // Stops a running synthesis and waits for its thread; the dialog stays.
  void Stop();

  // OK: closes with the result; without one, runs the synthesis first (or
  // lets the running one finish) and closes when it succeeds.
  void accept() override;
  // "Отмена", Escape, the window's close button: stops a running synthesis,
  // or closes the dialog when none runs.
  void reject() override;
  // Every way of closing stops a running synthesis first.
  void done(int result) override;

 signals:
  // A synthesis ended by itself: with a result, or with its error shown.
  void Finished(bool succeeded);

 private:
  struct Outcome;
  void OnFinished(const Outcome& outcome, const std::string& error);
  // The controls of "nothing running".
  void EndRun();
  // The status line: an ordinary text, or a failure in the error colour.
  void SetStatus(const QString& text, bool failure = false);

  const CLogicalScheme m_scheme;
  std::optional<CLogicalScheme> m_result;
  bool m_acceptWhenDone = false;  // OK was pressed before the result came
  QSpinBox* m_maxInputs;
  QComboBox* m_objective;
  QPushButton* m_start;
  QProgressBar* m_progress;
  QLabel* m_status;
  QPushButton* m_ok;
  CDialogWorker m_worker{this};  // the running synthesis
};

}  // namespace lodex

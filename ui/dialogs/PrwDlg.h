// The serial decomposition dialog "Последовательная декомпозиция": the block
// before and after the chosen split, the list of accepted splits by
// complexity, the block's complexity, the search with its progress bar, and
// "Разложить" / "Отмена".
//
// The search runs on a worker thread over a copy of the dialog's model, so
// the window stays responsive; its result comes back to this thread through
// a queued call. "Отмена", Escape or closing the window while a search runs
// stops the search (within the time of one chunk of masks), waits for the
// worker and closes the dialog without a choice.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "app/dialogs/SerialDialog.h"
#include "ui/dialogs/DialogWorker.h"

class QAbstractItemView;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace lodex {

class CPreviewWnd;
class CSerialListModel;

class CPrwDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CPrwDlg(const CLogicalBlock& block, QWidget* parent = nullptr);
  // Stops a running search and waits for its thread.
  ~CPrwDlg() override;
  CPrwDlg(const CPrwDlg&) = delete;
  CPrwDlg& operator=(const CPrwDlg&) = delete;

  // The mask of the chosen row; none until a row is chosen.
  std::optional<SerialChoice> Choice() const { return m_model.Choice(); }
  bool IsSearching() const { return m_worker.IsRunning(); }

  // The search button: empties the list and searches every mask on a worker
  // thread. Does nothing while a search runs.
  void StartSearch();
  // Stops a running search and waits for its thread; the list stays empty.
  void StopSearch();

  // Every way of closing stops a running search first.
  void done(int result) override;

 signals:
  // A search ended: completed with its list filled, or stopped (or failed)
  // with the list empty.
  void SearchFinished(bool completed);

 private:
  struct Outcome;
  void OnSearchDone(Outcome& outcome, const std::string& error);
  void OnSelectionChanged();
  // The controls of "no search running".
  void EndSearch(bool completed);
  // A search that failed (out of memory, no thread to be had) says so,
  // rather than showing an empty list as if no split were found.
  void ReportFailure(const std::string& what);

  const CLogicalBlock m_block;  // the block under study, to start each search afresh
  CSerialDialogModel m_model;
  CPreviewWnd* m_before;
  CPreviewWnd* m_after;
  CSerialListModel* m_rows;
  QAbstractItemView* m_list;
  QLabel* m_noSplits;  // "Разложений не найдено" after a search that found none
  QLineEdit* m_complexity;
  QPushButton* m_search;
  QProgressBar* m_progress;
  QPushButton* m_ok;
  CDialogWorker m_worker{this};  // the running search
};

}  // namespace lodex

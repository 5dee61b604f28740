// The analysis dialog "Анализ схемы": the project's and the computed sequence
// side by side, four combinations a row, the rows that differ marked, and
// one message when any combination differs.
#pragma once

#include <QDialog>
#include <memory>

#include "app/dialogs/AnalysisDialog.h"
#include "model/MessageSink.h"

class QPushButton;

namespace lodex {

class CGridView;
class CTextGridModel;

class CAnalizeDlg : public QDialog {
  Q_OBJECT
 public:
  // `sink` shows the mismatch message once the grid is on screen.
  CAnalizeDlg(const CAnalysisGrid& grid, CMessageSink& sink, QWidget* parent = nullptr);
  ~CAnalizeDlg() override;

  CGridView* Grid() const { return m_view; }
  // True for a row of the grid (header row 0) marked "НЕСОВПАДЕНИЕ".
  bool IsMarked(int row) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowMismatchMessage();

  const CAnalysisGrid& m_grid;
  CMessageSink& m_sink;
  CGridView* m_view;
  CTextGridModel* m_model;
  QPushButton* m_ok;
  bool m_messageShown = false;
};

}  // namespace lodex

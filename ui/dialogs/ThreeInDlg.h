// The three-input block dialog "Выделение трехвходового блока": a line per
// input with the type of selector that expanding on it needs, and the
// preview of the block.
#pragma once

#include <QDialog>
#include <optional>

#include "app/dialogs/ThreeInDialog.h"
#include "model/LogicalBlock.h"

class QListWidget;
class QPushButton;

namespace lodex {

class CParallelPrewWnd;

class CThreeInDlg : public QDialog {
  Q_OBJECT
 public:
  // `types` holds the selector type of every input of `block`.
  CThreeInDlg(const CLogicalBlock& block, std::vector<int32_t> types, QWidget* parent = nullptr);

  // The input of the selected line; none before a line is selected.
  std::optional<ThreeInputChoice> Choice() const { return m_model.Choice(); }

  QListWidget* Lines() const { return m_lines; }
  QPushButton* OkButton() const { return m_ok; }
  CParallelPrewWnd* Preview() const { return m_preview; }

 private:
  CThreeInDialogModel m_model;
  CParallelPrewWnd* m_preview;
  QListWidget* m_lines;
  QPushButton* m_ok;
};

}  // namespace lodex

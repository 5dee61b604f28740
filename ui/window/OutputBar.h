// The docking pane "Логические последовательности": two tabs of read-only,
// fixed-pitch lists, the sequence of every logic block and the project's
// source sequence.
#pragma once

#include <QDockWidget>
#include <QStringList>
#include <string_view>
#include <vector>

#include "model/LogicalScheme.h"

class QListView;
class QStringListModel;
class QTabWidget;

namespace lodex {

class COutputBar : public QDockWidget {
  Q_OBJECT

 public:
  explicit COutputBar(QWidget* parent = nullptr);

  // The block list always; the source list only in the first state (right
  // after a project was created or opened).
  void UpdatePanes(const CLogicalScheme& scheme, bool firstState);
  void ShowBlocks(const CLogicalScheme& scheme);
  void ShowSource(std::string_view lp, int digits);

  // The block list follows the selection: the lines of logic block `block`
  // are marked and scrolled into view (-1 clears the mark).
  void FollowSelection(int block);
  // The block whose lines the marked rows are, -1 for none.
  int MarkedBlock() const { return m_marked; }

  // The lines as shown.
  QStringList BlockLines() const;
  QStringList SourceLines() const;

  QTabWidget* Tabs() const { return m_tabs; }

 signals:
  // A block's lines were double-clicked.
  void BlockActivated(int block);

 private:
  QListView* MakeList(QStringListModel* model);

  QTabWidget* m_tabs;
  QListView* m_blockList = nullptr;
  QStringListModel* m_blockModel;
  std::vector<int> m_owners;  // the block of every line of the block list
  int m_marked = -1;
  QStringListModel* m_sourceModel;
};

}  // namespace lodex

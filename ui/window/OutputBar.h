// The docking pane "Логические последовательности": two tabs of read-only,
// fixed-pitch lists, the sequence of every logic block and the project's
// source sequence.
#pragma once

#include <QDockWidget>
#include <QStringList>
#include <string_view>

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

  // The lines as shown.
  QStringList BlockLines() const;
  QStringList SourceLines() const;

  QTabWidget* Tabs() const { return m_tabs; }

 private:
  QListView* MakeList(QStringListModel* model);

  QTabWidget* m_tabs;
  QStringListModel* m_blockModel;
  QStringListModel* m_sourceModel;
};

}  // namespace lodex

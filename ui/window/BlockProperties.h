// The pane "Свойства блока": the selected logic block's identity, where
// each of its inputs comes from and where each output goes, its truth table,
// the minimum formula of every output and, for a few inputs, the Karnaugh
// map with the formula's groups.
#pragma once

#include <QDockWidget>
#include <QStringList>
#include <memory>
#include <vector>

#include "model/LogicalScheme.h"
#include "synthesis/SopMinimisation.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace lodex {

class CGridView;
class CKarnaughMapView;
class CTextGridModel;

class CBlockProperties : public QDockWidget {
  Q_OBJECT
 public:
  explicit CBlockProperties(QWidget* parent = nullptr);

  // Shows logic block `index` of `scheme` (anything else: no block). The
  // table and formulas are worked out again only when the block's function
  // changed, and not while the pane is hidden.
  void ShowBlock(const CLogicalScheme& scheme, int index);

  int ShownBlock() const { return m_index; }
  QString Header() const;
  // The connections as "pin: where" lines, inputs first.
  QStringList Connections() const;
  CGridView* Table() const { return m_table; }
  QStringList FormulaLines() const;
  CKarnaughMapView* Map() const { return m_map; }
  QComboBox* MapOutput() const { return m_mapOutput; }
  QTabWidget* Tabs() const { return m_tabs; }
  // What "Копировать" puts on the clipboard: the formulas and the table.
  QString ClipboardText() const;

 private:
  void ShowConnections(const CLogicalScheme& scheme);
  void ShowFunction();
  void ShowMap();

  QLabel* m_header;
  QTabWidget* m_tabs;
  QTreeWidget* m_connections;
  CGridView* m_table;
  CTextGridModel* m_model = nullptr;
  QLabel* m_formulas;
  QComboBox* m_mapOutput;
  QLabel* m_mapNote;
  CKarnaughMapView* m_map;
  QPushButton* m_copy;

  int m_index = -1;
  CLogicalBlock m_block;         // the block shown
  bool m_functionShown = false;  // table and formulas follow m_block
  std::shared_ptr<const Words> m_words = std::make_shared<const Words>();
  std::vector<SopCover> m_formulaCovers;
};

}  // namespace lodex

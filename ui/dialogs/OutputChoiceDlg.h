// The output choice of a schematic import "Выходы схемы": one check box per
// output port with the number of inputs it depends on; the project is built
// of the ticked outputs over only the inputs they need.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/TarrowLoader.h"

class QLabel;
class QListWidget;

namespace lodex {

class COutputChoiceDlg : public QDialog {
  Q_OBJECT
 public:
  // Every output ticked at first.
  explicit COutputChoiceDlg(const std::vector<SchematicOutput>& outputs, QWidget* parent = nullptr);

  // The ticked outputs' names, in the schematic's order.
  std::vector<std::string> Chosen() const;
  bool AllChosen() const;
  QListWidget* List() const { return m_list; }

  // OK needs at least one output.
  void accept() override;

 private:
  std::vector<SchematicOutput> m_outputs;
  QListWidget* m_list;
  QLabel* m_note;
};

}  // namespace lodex

// The block preview of the parallel decomposition and three-input dialogs:
// one block, or the two blocks of the chosen groups, with numbered pins.
#pragma once

#include <QWidget>
#include <vector>

#include "app/dialogs/ParallelDialog.h"

namespace lodex {

class CParallelPrewWnd : public QWidget {
  Q_OBJECT
 public:
  explicit CParallelPrewWnd(QWidget* parent = nullptr);

  // One picture (group 1) or two (group 1 above group 2); repaints.
  void SetPictures(std::vector<BlockPicture> pictures);
  const std::vector<BlockPicture>& Pictures() const { return m_pictures; }

  QSize sizeHint() const override { return {176, 332}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<BlockPicture> m_pictures;
};

}  // namespace lodex

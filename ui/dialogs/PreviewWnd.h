// The block preview of the serial decomposition dialog: the block alone, or
// the lower and higher blocks of one split, drawn by PaintSerialPreview.
#pragma once

#include <QFrame>
#include <optional>

#include "app/dialogs/SerialDialog.h"

namespace lodex {

class CPreviewWnd : public QFrame {
  Q_OBJECT
 public:
  explicit CPreviewWnd(QWidget* parent = nullptr);

  // Draws `preview` from now on; none leaves the pane blank.
  void SetPreview(std::optional<SerialPreview> preview);
  const std::optional<SerialPreview>& Preview() const { return m_preview; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<SerialPreview> m_preview;
};

}  // namespace lodex

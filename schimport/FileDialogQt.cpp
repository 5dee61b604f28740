// Qt's open-file dialog (native where the platform has one). It needs the
// host program's QApplication; without one the call answers with the empty
// text, as a Cancel would.
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QString>

#include "schimport/FileDialog.h"

namespace tarrow {

std::string AskSchematicFile() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return {};
  const QString file =
      QFileDialog::getOpenFileName(nullptr, QString(), QString(), QString::fromUtf8("Файл схемы (*.sch)"));
  if (file.isEmpty()) return {};
  const QByteArray name = QFile::encodeName(file);
  return std::string(name.constData(), static_cast<size_t>(name.size()));
}

}  // namespace tarrow

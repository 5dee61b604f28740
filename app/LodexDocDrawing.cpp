// The drawing command: the scheme laid out as the view draws it and redrawn
// through the drawing program's automation calls.
#include "app/LodexDoc.h"
#include "export/VdxDrawing.h"
#include "export/VisioDrawing.h"

namespace lodex {

std::unique_ptr<CDrawingAutomation> CDocumentHost::CreateDrawingProgram() { return std::make_unique<CVdxViewer>(); }

void CLodexDoc::OnVisio() {
  if (m_scheme.IsEmpty()) return;
  CScopedMessageSink sink(m_host);
  std::unique_ptr<CDrawingAutomation> program = m_host.CreateDrawingProgram();
  if (!program) {
    Report({Phrase(PhraseCode::DrawingStartFailure)}, MessageButtons::Ok, MessageIcon::Warning);
    return;
  }
  if (!DrawSchemeInVisio(m_scheme, m_libraryBlocks, *program))
    Report({Phrase(PhraseCode::DrawingStartFailure)}, MessageButtons::Ok, MessageIcon::Warning);
}

}  // namespace lodex

// draw: the scheme diagram as an SVG picture or a Visio XML drawing.
#include <string>

#include "cli/Command.h"
#include "drawing/SchemeDrawing.h"
#include "export/SvgCanvas.h"
#include "export/VdxDrawing.h"
#include "export/VisioDrawing.h"
#include "model/FileIo.h"
#include "model/LogicSequence.h"

namespace lodex::cli {
namespace {

struct DrawArgs {
  std::string in;
  std::string out;
  bool noLibrary = false;
};

// Extensions compare without regard to case: OUT.SVG is a picture too.
bool EndsWith(const std::string& text, const std::string& suffix) {
  const std::string upper = ToUpperAscii(text);
  return upper.size() >= suffix.size() && upper.compare(upper.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void RunDraw(const DrawArgs& a) {
  const bool svg = EndsWith(a.out, ".SVG");
  if (!svg && !EndsWith(a.out, ".VDX")) throw CLI::ValidationError("-o", "the drawing file must end in .svg or .vdx");
  RefuseOutputOverInput(a.out, {a.in});
  const CLogicalScheme scheme = LoadOrRefuse(a.in);
  if (scheme.IsEmpty()) Refuse("the scheme has no logic blocks to draw");
  CSchemeDrawing drawing;
  drawing.Layout(scheme, !a.noLibrary);
  Status written = Status::Ok();
  if (svg) {
    written = WriteFileAtomically(a.out, SchemeSvg(drawing));
  } else {
    CVdxDrawing vdx;
    DrawInVisio(drawing, vdx);
    written = vdx.Save(a.out);
  }
  if (!written) Refuse(written.message());
}

const CommandRegistration kDraw([](CLI::App& app) {
  auto args = std::make_shared<DrawArgs>();
  CLI::App* cmd = app.add_subcommand("draw", "Draw the scheme diagram as SVG or as a Visio XML drawing (*.vdx)");
  Explain(cmd,
          "Draws the scheme diagram as the program's view lays it out: an SVG picture, or (for *.vdx) the Visio XML "
          "drawing that the drawing command builds. --no-library shows every block with its caption instead of its "
          "gate symbol. Prints nothing.",
          "lodex-cli draw adder.shc -o adder.svg");
  cmd->add_option("IN", args->in, "scheme file (*.shc)")->required();
  cmd->add_option("-o", args->out, "drawing to write: OUT.svg or OUT.vdx")->required();
  cmd->add_flag("--no-library", args->noLibrary, "label every block with its caption, not its gate symbol");
  cmd->callback([args] { RunDraw(*args); });
});

}  // namespace
}  // namespace lodex::cli

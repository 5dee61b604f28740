// The C exports of tarrow over the computation, with the state that lives
// while the library stays loaded: the last result text, the reason of the
// last refusal and the two counts.
#include <optional>
#include <string>

#include "schimport/FileDialog.h"
#include "schimport/SchImport.h"
#include "schimport/tarrow.h"

namespace {

std::string g_result;
std::string g_refusal;
int32_t g_inputs = 0;
int32_t g_outputs = 0;

// Nothing may leave the library as an exception: any failure is the empty text.
const char* Compute(const char* path) {
  try {
    g_result.clear();
    g_refusal.clear();
    if (path == nullptr) return g_result.c_str();
    if (std::optional<tarrow::SchSequence> sequence = tarrow::CalcLogicLine(path, &g_refusal)) {
      g_result = std::move(sequence->text);
      g_inputs = sequence->inputs;
      g_outputs = sequence->outputs;
    }
  } catch (...) {
    g_result.clear();
    try {
      g_refusal = "the schematic could not be evaluated: the library ran out of resources";
    } catch (...) {
      g_refusal.clear();
    }
  }
  return g_result.c_str();
}

}  // namespace

extern "C" {

const char* CalcLogicLineFromSch(void) {
  std::string path;
  try {
    path = tarrow::AskSchematicFile();
  } catch (...) {
    path.clear();
  }
  return Compute(path.c_str());
}

const char* CalcLogicLineFromFile(const char* path) { return Compute(path); }

int32_t ICount(void) { return g_inputs; }

int32_t OCount(void) { return g_outputs; }

const char* LastRefusal(void) { return g_refusal.c_str(); }

}  // extern "C"

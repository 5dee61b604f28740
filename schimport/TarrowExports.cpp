// The C exports of tarrow over the computation, with the state that lives
// while the library stays loaded: the last result text, the reason of the
// last refusal and the two counts.
#include <algorithm>
#include <optional>
#include <string>

#include "schimport/FileDialog.h"
#include "schimport/SchImport.h"
#include "schimport/tarrow.h"

namespace {

std::string g_result;
std::string g_refusal;
std::string g_inputNames;
int32_t g_inputs = 0;
int32_t g_outputs = 0;

// Nothing may leave the library as an exception: any failure is the empty text.
template <typename Work>
const char* Guarded(Work work) {
  try {
    g_result.clear();
    g_refusal.clear();
    work();
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

const char* Compute(const char* path, const tarrow::SchSelection* selection = nullptr) {
  return Guarded([&] {
    if (path == nullptr) return;
    if (std::optional<tarrow::SchSequence> sequence = tarrow::CalcLogicLine(path, &g_refusal, selection)) {
      g_result = std::move(sequence->text);
      g_inputs = sequence->inputs;
      g_outputs = sequence->outputs;
      g_inputNames.clear();
      for (const std::string& name : sequence->inputNames) g_inputNames += name + "\n";
    }
  });
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

const char* CalcLogicLineForOutputs(const char* path, const char* outputs) {
  tarrow::SchSelection selection;
  try {
    const std::string names = outputs ? outputs : "";
    for (size_t from = 0; from < names.size();) {
      const size_t comma = std::min(names.find(',', from), names.size());
      if (comma > from) selection.outputs.push_back(names.substr(from, comma - from));
      from = comma + 1;
    }
  } catch (...) {
    return Compute(nullptr);
  }
  return Compute(path, &selection);
}

const char* InputNames(void) { return g_inputNames.c_str(); }

const char* ListOutputPorts(const char* path) {
  return Guarded([&] {
    if (path == nullptr) return;
    if (const auto cones = tarrow::ListOutputs(path, &g_refusal))
      for (const tarrow::SchOutputCone& cone : *cones)
        g_result += cone.name + "\t" + std::to_string(cone.inputs) + "\n";
  });
}

int32_t ICount(void) { return g_inputs; }

int32_t OCount(void) { return g_outputs; }

const char* LastRefusal(void) { return g_refusal.c_str(); }

}  // extern "C"

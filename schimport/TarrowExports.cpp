// The C exports of tarrow over the computation, with the state that lives
// while the library stays loaded: the last result text, the reason of the
// last refusal and the two counts.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "schimport/FileDialog.h"
#include "schimport/RefusalNumber.h"
#include "schimport/SchImport.h"
#include "schimport/tarrow.h"

namespace {

// One part of the last refusal as LastRefusalCode and LastRefusalArgument
// give it.
struct RefusalPart {
  int32_t code = 0;
  std::vector<std::string> args;
};

std::string g_result;
std::string g_refusal;
std::vector<RefusalPart> g_parts;
std::string g_inputNames;
int32_t g_inputs = 0;
int32_t g_outputs = 0;

// Keeps `reason` as its English line and as parts: each text argument in
// order, a nested reason (always the last argument) as the next part.
void Keep(const lodex::Reason& reason) {
  g_refusal = lodex::EnglishText(reason);
  for (const lodex::Reason* part = &reason; part != nullptr;) {
    RefusalPart kept{tarrow::RefusalNumber(part->code()), {}};
    const lodex::Reason* next = nullptr;
    for (const lodex::ReasonArg& arg : part->args()) {
      if (arg.kind == lodex::ReasonArg::Kind::Nested)
        next = arg.nested.get();
      else
        kept.args.push_back(arg.text);
    }
    g_parts.push_back(std::move(kept));
    part = next;
  }
}

// Nothing may leave the library as an exception: any failure is the empty text.
template <typename Work>
const char* Guarded(Work work) {
  try {
    g_result.clear();
    g_refusal.clear();
    g_parts.clear();
    std::optional<lodex::Reason> refusal;
    work(refusal);
    if (refusal) Keep(*refusal);
  } catch (...) {
    g_result.clear();
    g_parts.clear();
    try {
      Keep(lodex::Reason(lodex::ReasonCode::SchOutOfResources));
    } catch (...) {
      g_refusal.clear();
      g_parts.clear();
    }
  }
  return g_result.c_str();
}

const char* Compute(const char* path, const tarrow::SchSelection* selection = nullptr) {
  return Guarded([&](std::optional<lodex::Reason>& refusal) {
    if (path == nullptr) return;
    if (std::optional<tarrow::SchSequence> sequence = tarrow::CalcLogicLine(path, &refusal, selection)) {
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
  return Guarded([&](std::optional<lodex::Reason>& refusal) {
    if (path == nullptr) return;
    if (const auto cones = tarrow::ListOutputs(path, &refusal))
      for (const tarrow::SchOutputCone& cone : *cones)
        g_result += cone.name + "\t" + std::to_string(cone.inputs) + "\n";
  });
}

int32_t ICount(void) { return g_inputs; }

int32_t OCount(void) { return g_outputs; }

const char* LastRefusal(void) { return g_refusal.c_str(); }

int32_t LastRefusalCode(int32_t part) {
  return part >= 0 && static_cast<size_t>(part) < g_parts.size() ? g_parts[static_cast<size_t>(part)].code : 0;
}

const char* LastRefusalArgument(int32_t part, int32_t index) {
  if (part < 0 || static_cast<size_t>(part) >= g_parts.size()) return nullptr;
  const std::vector<std::string>& args = g_parts[static_cast<size_t>(part)].args;
  return index >= 0 && static_cast<size_t>(index) < args.size() ? args[static_cast<size_t>(index)].c_str() : nullptr;
}

}  // extern "C"

#include "model/PlaFile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>

#include "model/FileIo.h"
#include "model/LogicSequence.h"

namespace lodex {
namespace {

constexpr int kMaxInputs = 16;
constexpr int kMaxOutputs = 12;
// Far above any file of at most 16 inputs that lists each combination once.
constexpr size_t kMaxPlaFile = size_t{64} << 20;

struct Cube {
  std::string in;
  std::string out;
  int line = 0;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::vector<std::string> Tokens(std::string_view line) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) tokens.emplace_back(line.substr(start, i - start));
  }
  return tokens;
}

std::optional<int> Count(const std::vector<std::string>& tokens) {
  if (tokens.size() != 2 || tokens[1].empty() || tokens[1].size() > 6) return std::nullopt;
  int value = 0;
  for (char c : tokens[1]) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string At(int line) { return "line " + std::to_string(line) + ": "; }

// Calls visit(c) for every combination the input part of a cube covers.
template <typename Visit>
void ForEachCombination(const std::string& in, Visit visit) {
  uint32_t fixed = 0, free = 0;
  for (size_t j = 0; j < in.size(); ++j) {
    if (in[j] == '1') fixed |= 1u << j;
    if (in[j] == '-') free |= 1u << j;
  }
  uint32_t s = 0;
  do {
    visit(fixed | s);
    s = (s - free) & free;
  } while (s != 0);
}

bool Covers(const Cube& cube, uint32_t c) {
  for (size_t j = 0; j < cube.in.size(); ++j)
    if (cube.in[j] != '-' && (cube.in[j] == '1') != (((c >> j) & 1u) != 0)) return false;
  return true;
}

// The first cube that sets output k of combination c to `value`.
int LineOf(const std::vector<Cube>& cubes, uint32_t c, size_t k, char value) {
  for (const Cube& cube : cubes)
    if (cube.out[k] == value && Covers(cube, c)) return cube.line;
  return 0;
}

}  // namespace

Status ParsePla(std::string_view text, CPlaFunction& function) {
  CPlaFunction f;
  bool onSet = true, offSet = false, dcSet = true;  // type fd
  int declaredCubes = -1, declaredAt = 0;
  int ilbAt = 0, obAt = 0;
  std::vector<Cube> cubes;
  int line = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = std::min(text.find('\n', pos), text.size());
    const std::string_view row = text.substr(pos, end - pos);
    pos = end + 1;
    ++line;
    const std::vector<std::string> tokens = Tokens(row);
    if (tokens.empty() || tokens[0][0] == '#') continue;
    const std::string& key = tokens[0];
    if (key == ".e" || key == ".end") break;
    if (key == ".i" || key == ".o") {
      int& count = key == ".i" ? f.inputs : f.outputs;
      const int limit = key == ".i" ? kMaxInputs : kMaxOutputs;
      const char* what = key == ".i" ? "inputs" : "outputs";
      if (count != 0) return Status::Error(At(line) + key + " is given twice");
      const std::optional<int> value = Count(tokens);
      if (!value) return Status::Error(At(line) + key + " needs one number");
      if (*value < 1 || *value > limit)
        return Status::Error(At(line) + "the number of " + what + " must lie in 1.." + std::to_string(limit) +
                             ", not " + std::to_string(*value));
      count = *value;
    } else if (key == ".p") {
      const std::optional<int> value = Count(tokens);
      if (!value) return Status::Error(At(line) + ".p needs one number");
      declaredCubes = *value;
      declaredAt = line;
    } else if (key == ".ilb" || key == ".ob") {
      (key == ".ilb" ? f.inputNames : f.outputNames).assign(tokens.begin() + 1, tokens.end());
      (key == ".ilb" ? ilbAt : obAt) = line;
    } else if (key == ".type") {
      const std::string type = tokens.size() == 2 ? tokens[1] : "";
      if (type != "f" && type != "fd" && type != "fr" && type != "fdr")
        return Status::Error(At(line) + ".type must be f, fd, fr or fdr");
      offSet = type.find('r') != std::string::npos;
      dcSet = type.find('d') != std::string::npos;
    } else if (key[0] == '.') {
      return Status::Error(At(line) + "the keyword " + key + " is not supported");
    } else {
      if (f.inputs == 0 || f.outputs == 0) return Status::Error(At(line) + "a cube comes before .i and .o");
      std::string cube;
      for (const std::string& t : tokens) cube += t;
      const size_t n = static_cast<size_t>(f.inputs), m = static_cast<size_t>(f.outputs);
      if (cube.size() != n + m)
        return Status::Error(At(line) + "a cube needs " + std::to_string(n) + " input and " + std::to_string(m) +
                             " output characters, not " + std::to_string(cube.size()));
      for (size_t j = 0; j < n + m; ++j) {
        const char c = cube[j];
        const bool valid = c == '0' || c == '1' || c == '-' || (j >= n && c == '~');
        if (!valid)
          return Status::Error(At(line) + "'" + std::string(1, c) + "' is no " + (j < n ? "input" : "output") +
                               " value of a cube");
      }
      cubes.push_back({cube.substr(0, n), cube.substr(n), line});
    }
  }
  if (f.inputs == 0) return Status::Error("the file has no .i line");
  if (f.outputs == 0) return Status::Error("the file has no .o line");
  if (ilbAt != 0 && f.inputNames.size() != static_cast<size_t>(f.inputs))
    return Status::Error(At(ilbAt) + ".ilb names " + std::to_string(f.inputNames.size()) + " inputs, not " +
                         std::to_string(f.inputs));
  if (obAt != 0 && f.outputNames.size() != static_cast<size_t>(f.outputs))
    return Status::Error(At(obAt) + ".ob names " + std::to_string(f.outputNames.size()) + " outputs, not " +
                         std::to_string(f.outputs));
  // A count that disagrees with .p is a cut or damaged file, not a smaller function.
  if (declaredCubes >= 0 && static_cast<size_t>(declaredCubes) != cubes.size())
    return Status::Error(At(declaredAt) + ".p announces " + std::to_string(declaredCubes) + " cubes, the file has " +
                         std::to_string(cubes.size()));

  // One bit per output in each set, so a cube adds to a combination in three ORs.
  const int m = f.outputs;
  const uint32_t combinations = 1u << f.inputs, all = (1u << m) - 1u;
  std::vector<uint16_t> on(combinations, 0), off(combinations, 0), dc(combinations, 0);
  for (const Cube& cube : cubes) {
    uint16_t cubeOn = 0, cubeOff = 0, cubeDc = 0;
    for (int k = 0; k < m; ++k) {
      const char v = cube.out[static_cast<size_t>(k)];
      if (v == '1' && onSet) cubeOn |= static_cast<uint16_t>(1u << k);
      if (v == '0' && offSet) cubeOff |= static_cast<uint16_t>(1u << k);
      if (v == '-' && dcSet) cubeDc |= static_cast<uint16_t>(1u << k);
    }
    ForEachCombination(cube.in, [&](uint32_t c) {
      on[c] |= cubeOn;
      off[c] |= cubeOff;
      dc[c] |= cubeDc;
    });
  }

  Words words(combinations, 0);
  for (uint32_t c = 0; c < combinations; ++c) {
    if (const uint32_t both = on[c] & off[c]; both != 0) {
      size_t k = 0;
      while (((both >> k) & 1u) == 0) ++k;
      return Status::Error("lines " + std::to_string(LineOf(cubes, c, k, '1')) + " and " +
                           std::to_string(LineOf(cubes, c, k, '0')) + " set output " + std::to_string(k) +
                           " of combination " + std::to_string(c) + " both to 1 and to 0");
    }
    // Without an OFF set the outputs no cube names are OFF; with one, free.
    const uint32_t free = (dc[c] | (offSet ? all & ~(on[c] | off[c]) : 0u)) & all;
    if (free == all) {
      words[c] = -1;
    } else {
      words[c] = static_cast<int32_t>(on[c] & ~free);
      f.fixedOutputs += std::popcount(free);
    }
  }
  // Upper case, as every project's sequence is: the analysis compares words as text.
  f.lp = ToUpperAscii(WordsToLP(words, WordDigitsFor(f.outputs)));
  f.cubes = static_cast<int>(cubes.size());
  function = std::move(f);
  return Status::Ok();
}

Status ReadPlaFile(const std::string& path, CPlaFunction& function) {
  std::string text;
  if (Status read = ReadWholeFile(path, text, kMaxPlaFile); !read) return read;
  if (Status parsed = ParsePla(text, function); !parsed) return Status::Error("'" + path + "': " + parsed.message());
  return Status::Ok();
}

}  // namespace lodex

#include "model/PlaFile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "model/FileIo.h"
#include "model/LogicSequence.h"

namespace lodex {
namespace {

constexpr int kMaxInputs = 16;
constexpr int kMaxOutputs = 12;
// Far above any file of at most 16 inputs that lists each combination once.
constexpr size_t kMaxPlaFile = size_t{64} << 20;

// A cube as masks: input j is fixed to bit j of `fixed` unless bit j of
// `free` is set; output k is '1' (or '4'), '0' or '-' (or '2') by bit k of
// one, zero and dash.
struct Cube {
  uint32_t fixed = 0, free = 0;
  uint16_t one = 0, zero = 0, dash = 0;
  int line = 0;
  bool Covers(uint32_t c) const { return (c & ~free) == fixed; }
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

// Reads a cube of n input and m output characters; blanks and '|' only
// separate. Inputs: 0, 1, '-' or '2' (free). Outputs: 1 or 4, 0, '-' or 2,
// and '~' or 3, which give that output no value.
Status ReadCube(std::string_view row, int line, size_t n, size_t m, Cube& cube) {
  size_t count = 0;
  for (char c : row) {
    if (IsBlank(c) || c == '|') continue;
    if (count < n) {
      const uint32_t bit = 1u << count;
      if (c == '1')
        cube.fixed |= bit;
      else if (c == '-' || c == '2')
        cube.free |= bit;
      else if (c != '0')
        return Status::Error(ReasonCode::PlaInputValue, {line, std::string(1, c)});
    } else if (count < n + m) {
      const auto bit = static_cast<uint16_t>(1u << (count - n));
      if (c == '1' || c == '4')
        cube.one |= bit;
      else if (c == '0')
        cube.zero |= bit;
      else if (c == '-' || c == '2')
        cube.dash |= bit;
      else if (c != '~' && c != '3')
        return Status::Error(ReasonCode::PlaOutputValue, {line, std::string(1, c)});
    }
    ++count;
  }
  if (count != n + m) return Status::Error(ReasonCode::PlaCubeWidth, {line, n, m, count});
  cube.line = line;
  return Status::Ok();
}

// Calls visit(c) for every combination the input part of a cube covers.
template <typename Visit>
void ForEachCombination(uint32_t fixed, uint32_t free, Visit visit) {
  uint32_t s = 0;
  do {
    visit(fixed | s);
    s = (s - free) & free;
  } while (s != 0);
}

// The first cube that sets output k of combination c to 1 (`one`) or 0.
int LineOf(const std::vector<Cube>& cubes, uint32_t c, int k, bool one) {
  for (const Cube& cube : cubes)
    if ((((one ? cube.one : cube.zero) >> k) & 1u) != 0 && cube.Covers(c)) return cube.line;
  return 0;
}

// Keywords of other dialects, refused by name with what they would mean.
std::optional<ReasonCode> UnsupportedKeyword(const std::string& key) {
  if (key == ".phase") return ReasonCode::PlaPhase;
  if (key == ".pair") return ReasonCode::PlaPair;
  if (key == ".mv") return ReasonCode::PlaMultipleValued;
  if (key == ".kiss") return ReasonCode::PlaStateMachine;
  if (key == ".symbolic" || key == ".symbolic-output") return ReasonCode::PlaSymbolic;
  return std::nullopt;
}

}  // namespace

Status ParsePla(std::string_view text, CPlaFunction& function) {
  CPlaFunction f;
  // Which output values count (type fd), and what a combination no cube
  // gives a value is: OFF (f, fd), don't-care (fr, fdr) or ON (r, dr).
  bool onSet = true, offSet = false, dcSet = true, restOn = false;
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
    size_t first = 0;
    while (first < row.size() && IsBlank(row[first])) ++first;
    if (first == row.size() || row[first] == '#') continue;
    if (row[first] != '.') {
      if (f.inputs == 0 || f.outputs == 0) return Status::Error(ReasonCode::PlaCubeFirst, {line});
      Cube cube;
      if (Status s = ReadCube(row, line, static_cast<size_t>(f.inputs), static_cast<size_t>(f.outputs), cube); !s)
        return s;
      cubes.push_back(cube);
      continue;
    }
    const std::vector<std::string> tokens = Tokens(row);
    const std::string& key = tokens[0];
    if (key == ".e" || key == ".end") break;
    if (key == ".i" || key == ".o") {
      int& count = key == ".i" ? f.inputs : f.outputs;
      const int limit = key == ".i" ? kMaxInputs : kMaxOutputs;
      const ReasonCode outside = key == ".i" ? ReasonCode::PlaInputCount : ReasonCode::PlaOutputCount;
      if (count != 0) return Status::Error(ReasonCode::PlaTwice, {line, key});
      const std::optional<int> value = Count(tokens);
      if (!value) return Status::Error(ReasonCode::PlaNumber, {line, key});
      if (*value < 1 || *value > limit) return Status::Error(outside, {line, limit, *value});
      count = *value;
    } else if (key == ".p") {
      const std::optional<int> value = Count(tokens);
      if (!value) return Status::Error(ReasonCode::PlaNumber, {line, key});
      declaredCubes = *value;
      declaredAt = line;
    } else if (key == ".ilb" || key == ".ob") {
      (key == ".ilb" ? f.inputNames : f.outputNames).assign(tokens.begin() + 1, tokens.end());
      (key == ".ilb" ? ilbAt : obAt) = line;
    } else if (key == ".type") {
      const std::string type = tokens.size() == 2 ? tokens[1] : "";
      if (type != "f" && type != "fd" && type != "fr" && type != "fdr" && type != "r" && type != "dr")
        return Status::Error(ReasonCode::PlaType, {line});
      onSet = type.find('f') != std::string::npos;
      offSet = type.find('r') != std::string::npos;
      dcSet = type.find('d') != std::string::npos;
      restOn = !onSet;
    } else if (const std::optional<ReasonCode> meaning = UnsupportedKeyword(key)) {
      return Status::Error(ReasonCode::PlaDialect, {line, key, Reason(*meaning)});
    } else {
      return Status::Error(ReasonCode::PlaKeyword, {line, key});
    }
  }
  if (f.inputs == 0) return Status::Error(ReasonCode::PlaNoInputs);
  if (f.outputs == 0) return Status::Error(ReasonCode::PlaNoOutputs);
  if (ilbAt != 0 && f.inputNames.size() != static_cast<size_t>(f.inputs))
    return Status::Error(ReasonCode::PlaInputNames, {ilbAt, f.inputNames.size(), f.inputs});
  if (obAt != 0 && f.outputNames.size() != static_cast<size_t>(f.outputs))
    return Status::Error(ReasonCode::PlaOutputNames, {obAt, f.outputNames.size(), f.outputs});
  // A count that disagrees with .p is a cut or damaged file, not a smaller function.
  if (declaredCubes >= 0 && static_cast<size_t>(declaredCubes) != cubes.size())
    return Status::Error(ReasonCode::PlaCubeCount, {declaredAt, declaredCubes, cubes.size()});

  // Cubes with the same input part are merged first, so a combination costs
  // one visit per distinct input part, however often a file repeats it.
  const int m = f.outputs;
  const uint32_t combinations = 1u << f.inputs, all = (1u << m) - 1u;
  struct Sets {
    uint16_t on = 0, off = 0, dc = 0;
  };
  std::unordered_map<uint64_t, Sets> parts;
  parts.reserve(std::min<size_t>(cubes.size(), size_t{1} << 20));
  for (const Cube& cube : cubes) {
    Sets& sets = parts[(uint64_t{cube.free} << 32) | cube.fixed];
    if (onSet) sets.on |= cube.one;
    if (offSet) sets.off |= cube.zero;
    if (dcSet) sets.dc |= cube.dash;
  }
  // One bit per output in each set, so a cube adds to a combination in three ORs.
  std::vector<uint16_t> on(combinations, 0), off(combinations, 0), dc(combinations, 0);
  for (const auto& part : parts) {
    const Sets& sets = part.second;
    if ((sets.on | sets.off | sets.dc) == 0) continue;
    ForEachCombination(static_cast<uint32_t>(part.first), static_cast<uint32_t>(part.first >> 32), [&](uint32_t c) {
      on[c] |= sets.on;
      off[c] |= sets.off;
      dc[c] |= sets.dc;
    });
  }

  Words words(combinations, 0);
  for (uint32_t c = 0; c < combinations; ++c) {
    if (const uint32_t both = on[c] & off[c]; both != 0) {
      const int k = std::countr_zero(both);
      return Status::Error(ReasonCode::PlaConflict, {LineOf(cubes, c, k, true), LineOf(cubes, c, k, false), k, c});
    }
    const uint32_t rest = all & ~(on[c] | off[c] | dc[c]);
    // Outputs no cube names: OFF without an OFF set, free with one, ON when
    // only the OFF set is given.
    const uint32_t free = (dc[c] | (offSet && !restOn ? rest : 0u)) & all;
    const uint32_t ones = on[c] | (restOn ? rest : 0u);
    if (free == all) {
      words[c] = -1;
    } else {
      words[c] = static_cast<int32_t>(ones & ~free);
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
  if (Status parsed = ParsePla(text, function); !parsed)
    return Status::Error(ReasonCode::PlaDamaged, {path, parsed.reason()});
  return Status::Ok();
}

}  // namespace lodex

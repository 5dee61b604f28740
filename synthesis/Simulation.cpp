#include "synthesis/Simulation.h"

#include <algorithm>
#include <thread>
#include <unordered_map>

namespace lodex {
namespace {

Reason Where(const CLogicalScheme& scheme, int index) {
  return Reason(ReasonCode::BlockNamed, {index, scheme.GetBlock(index).m_id});
}

// A link resolved to the index of its source.
struct Link {
  int source;
  int pin;
};

// The scheme with every link resolved and every sequence parsed once.
struct Compiled {
  std::vector<std::vector<Link>> links;  // per block; empty for the input block
  std::vector<Words> words;              // per logic block
  size_t combinations = 0;
};

// Block evaluated at step 1 .. count - 1: the logic blocks from the back,
// the output block last.
size_t BlockAtStep(size_t step, size_t count) { return step == count - 1 ? count - 1 : count - 1 - step; }

Status Compile(const CLogicalScheme& scheme, Compiled& out) {
  const int count = scheme.GetBlockCount();
  using enum ReasonCode;
  if (count < 2) return Status::Error(SimNoBlocks);
  if (scheme.m_wordDigits < 1) return Status::Error(SimWordDigits, {scheme.m_wordDigits});
  out.combinations = scheme.m_sourceLP.size() / static_cast<size_t>(scheme.m_wordDigits);
  out.links.assign(static_cast<size_t>(count), {});
  out.words.assign(static_cast<size_t>(count), {});
  // Identifier to index, the first block of an identifier winning as in
  // FindBlock.
  std::unordered_map<std::string, int> index;
  for (int k = 0; k < count; ++k) index.emplace(scheme.GetBlock(k).m_id, k);
  for (int k = 1; k < count; ++k) {
    const CLogicalBlock& block = scheme.GetBlock(k);
    const bool output = k == count - 1;
    auto& links = out.links[static_cast<size_t>(k)];
    for (size_t j = 0; j < block.m_inputs.size(); ++j) {
      const CBlockInput& link = block.m_inputs[j];
      const auto found = index.find(link.m_source);
      const int source = found == index.end() ? -1 : found->second;
      if (source < 0) return Status::Error(SimUnknownSource, {Where(scheme, k), j, link.m_source});
      if (source == count - 1) return Status::Error(SimReadsOutput, {Where(scheme, k), j});
      // Blocks are evaluated from the back: a source at or before the block
      // would be read before it has this combination's value.
      if (!output && source != 0 && source <= k)
        return Status::Error(SimReadsEarlier, {Where(scheme, k), j, Where(scheme, source)});
      links.push_back({source, link.m_pin});
    }
    if (output) continue;
    if (links.size() > 30) return Status::Error(SimTooManyInputs, {Where(scheme, k), links.size()});
    Words words = LPToWords(block.m_lp, block.m_wordDigits);
    const size_t needed = size_t{1} << links.size();
    if (words.size() != needed)
      return Status::Error(SimWordCount, {Where(scheme, k), words.size(), links.size(), needed});
    out.words[static_cast<size_t>(k)] = std::move(words);
  }
  return Status::Ok();
}

// Evaluates combinations [first, first + size) of every block b into the
// `size` values at at[b].
void EvaluateChunk(const Compiled& c, size_t first, size_t size, const std::vector<int32_t*>& at,
                   std::vector<uint32_t>& index, std::vector<uint8_t>& star) {
  const size_t count = c.links.size();
  for (size_t i = 0; i < size; ++i) at[0][i] = static_cast<int32_t>(first + i);
  index.resize(size);
  star.resize(size);
  for (size_t step = 1; step < count; ++step) {
    const size_t k = BlockAtStep(step, count);
    const auto& links = c.links[k];
    std::fill(index.begin(), index.end(), 0u);
    std::fill(star.begin(), star.end(), uint8_t{0});
    for (size_t j = 0; j < links.size(); ++j) {
      const int32_t* src = at[static_cast<size_t>(links[j].source)];
      const int pin = links[j].pin;
      // Pins outside a word read '0' (an undefined source too, but for pin 0);
      // positions from 32 on add nothing to the index but may still hold '*'.
      const bool counts = j < 32 && pin >= 0 && pin < 32;
      const uint32_t shift = static_cast<uint32_t>(j & 31);
      if (pin == 0) {
        for (size_t i = 0; i < size; ++i) {
          const int32_t v = src[i];
          star[i] |= static_cast<uint8_t>(v == -1);
          if (counts && v != -1) index[i] |= (static_cast<uint32_t>(v) & 1u) << shift;
        }
      } else if (counts) {
        for (size_t i = 0; i < size; ++i) {
          const int32_t v = src[i];
          if (v != -1) index[i] |= ((static_cast<uint32_t>(v) >> pin) & 1u) << shift;
        }
      }
    }
    int32_t* out = at[k];
    if (k == count - 1) {
      for (size_t i = 0; i < size; ++i) out[i] = star[i] ? -1 : static_cast<int32_t>(index[i]);
    } else {
      const Words& words = c.words[k];
      // Only a single input reading '*' spells exactly "*".
      const bool single = links.size() == 1;
      for (size_t i = 0; i < size; ++i) out[i] = (single && star[i]) ? -1 : words[index[i]];
    }
  }
}

// Compiles the scheme and sizes the result: every table with `keepAll`,
// else the output block's only.
SchemeValues Prepare(const CLogicalScheme& scheme, bool keepAll, Compiled& c) {
  SchemeValues result;
  if (result.status = Compile(scheme, c); !result.status) return result;
  const size_t count = c.links.size();
  result.tables.assign(count, {});
  for (size_t b = 0; b < count; ++b)
    if (keepAll || b == count - 1) result.tables[b].resize(c.combinations);
  return result;
}

}  // namespace

Status CheckSimulable(const CLogicalScheme& scheme) {
  Compiled c;
  return Compile(scheme, c);
}

SchemeValues SimulateScheme(const CLogicalScheme& scheme, bool keepAll) {
  Compiled c;
  SchemeValues result = Prepare(scheme, keepAll, c);
  if (!result.status) return result;
  const size_t count = c.links.size();
  const size_t n = c.combinations;

  // Chunks small enough that the tables of all blocks stay in the caches.
  const size_t chunk = std::clamp<size_t>((size_t{1} << 19) / count, 256, 4096);
  const size_t chunks = (n + chunk - 1) / chunk;
  auto work = [&](size_t firstChunk, size_t step) {
    // Blocks whose tables are kept are evaluated in place; the others into
    // a chunk-sized buffer of this thread.
    std::vector<Words> local(count);
    for (size_t b = 0; b < count; ++b)
      if (result.tables[b].empty()) local[b].resize(chunk);
    std::vector<int32_t*> at(count);
    std::vector<uint32_t> index;
    std::vector<uint8_t> star;
    for (size_t ch = firstChunk; ch < chunks; ch += step) {
      const size_t first = ch * chunk;
      const size_t size = std::min(chunk, n - first);
      for (size_t b = 0; b < count; ++b)
        at[b] = result.tables[b].empty() ? local[b].data() : result.tables[b].data() + first;
      EvaluateChunk(c, first, size, at, index, star);
    }
  };
  const size_t threads = n * count < (size_t{1} << 18)
                             ? 1
                             : std::clamp<size_t>(std::thread::hardware_concurrency(), 1, std::min<size_t>(chunks, 8));
  std::vector<std::thread> pool;
  for (size_t t = 1; t < threads; ++t) pool.emplace_back(work, t, threads);
  work(0, threads);
  for (auto& th : pool) th.join();
  return result;
}

SchemeValues SimulateSchemePlain(const CLogicalScheme& scheme, bool keepAll) {
  Compiled c;
  SchemeValues result = Prepare(scheme, keepAll, c);
  if (!result.status) return result;
  const size_t count = c.links.size();
  const size_t n = c.combinations;
  Words v(count, -1);
  for (size_t i = 0; i < n; ++i) {
    v[0] = static_cast<int32_t>(i);
    for (size_t step = 1; step < count; ++step) {
      const size_t k = BlockAtStep(step, count);
      std::string bits;
      for (const Link& link : c.links[k]) bits.push_back(PinValue(v[static_cast<size_t>(link.source)], link.pin));
      if (k == count - 1) {
        v[k] = bits.find('*') != std::string::npos ? -1 : BitsToInt(bits);
      } else {
        const int32_t x = BitsToInt(bits);
        v[k] = x == -1 ? -1 : c.words[k][static_cast<size_t>(x)];
      }
    }
    for (size_t b = 0; b < count; ++b)
      if (!result.tables[b].empty()) result.tables[b][i] = v[b];
  }
  return result;
}

}  // namespace lodex

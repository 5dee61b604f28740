#include "schimport/SchReader.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <system_error>
#include <unordered_map>

#include "schimport/GateType.h"
#include "schimport/NetlistCheck.h"

namespace tarrow {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSeparator = "=====================================";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> ParseCount(std::string_view digits) {
  if (digits.empty() || digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), IsDigit)) return std::nullopt;
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

std::string Lower(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

enum class LineRead { Line, End, TooLong };

// One line without its line break (LF or CR LF), reading no further than one
// character past the longest accepted line.
LineRead ReadLine(std::streambuf& buf, std::istream& in, std::string& line) {
  line.clear();
  bool any = false;
  for (;;) {
    const int c = buf.sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      break;
    }
    any = true;
    if (c == '\n') break;
    if (line.size() > kMaxLineLength) return LineRead::TooLong;  // room for a CR before the LF
    line.push_back(static_cast<char>(c));
  }
  if (!any) return LineRead::End;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line.size() > kMaxLineLength ? LineRead::TooLong : LineRead::Line;
}

// A bus name NAME(a:b) stands for the nets NAME(a) .. NAME(b), in that order.
struct BusRange {
  std::string base;
  int first = 0;
  int last = 0;
  int lo() const { return std::min(first, last); }
  int hi() const { return std::max(first, last); }
};

std::optional<BusRange> ParseBus(std::string_view name) {
  const size_t open = name.find('(');
  const size_t colon = name.find(':');
  if (open == 0 || open == std::string_view::npos || colon == std::string_view::npos || colon < open ||
      name.back() != ')')
    return std::nullopt;
  const std::optional<int> a = ParseCount(name.substr(open + 1, colon - open - 1));
  const std::optional<int> b = ParseCount(name.substr(colon + 1, name.size() - colon - 2));
  if (!a || !b) return std::nullopt;
  return BusRange{std::string(name.substr(0, open)), *a, *b};
}

// One member NAME(i) of a bus.
struct BusMember {
  std::string base;
  int index = 0;
};

std::optional<BusMember> ParseMember(std::string_view name) {
  const size_t open = name.find('(');
  if (open == 0 || open == std::string_view::npos || name.back() != ')') return std::nullopt;
  const std::optional<int> i = ParseCount(name.substr(open + 1, name.size() - open - 2));
  if (!i) return std::nullopt;
  return BusMember{std::string(name.substr(0, open)), *i};
}

std::string MemberName(std::string_view base, int i) { return std::string(base) + "(" + std::to_string(i) + ")"; }

// The members of a bus name in its order, or the name alone; nothing for a
// bus wider than kMaxBusWidth. Names joined by commas (G,M,S1,S0) are a bus
// of those nets, each of which may be a bus in turn.
std::optional<std::vector<std::string>> Expand(const std::string& name) {
  if (name.find(',') != std::string::npos) {
    std::vector<std::string> members;
    for (size_t from = 0;;) {
      const size_t comma = std::min(name.find(',', from), name.size());
      const std::optional<std::vector<std::string>> part = Expand(std::string(Trim(name.substr(from, comma - from))));
      if (!part || members.size() + part->size() > static_cast<size_t>(kMaxBusWidth)) return std::nullopt;
      members.insert(members.end(), part->begin(), part->end());
      if (comma == name.size()) return members;
      from = comma + 1;
    }
  }
  const std::optional<BusRange> bus = ParseBus(name);
  if (!bus) return std::vector<std::string>{name};
  if (bus->hi() - bus->lo() >= kMaxBusWidth) return std::nullopt;
  std::vector<std::string> members;
  const int step = bus->first <= bus->last ? 1 : -1;
  for (int i = bus->first;; i += step) {
    members.push_back(MemberName(bus->base, i));
    if (i == bus->last) break;
  }
  return members;
}

// The index of pin `name` among `names`: the name itself, else A3 for A(3)
// and A(3) for A3, else A0 for A when the part has no A1 or `anyWidth` (a
// constant, as wide as its net).
int FindPin(const std::vector<std::string>& names, std::string_view name, bool anyWidth = false) {
  auto find = [&](std::string_view n) {
    const auto at = std::find(names.begin(), names.end(), n);
    return at == names.end() ? -1 : static_cast<int>(at - names.begin());
  };
  int k = find(name);
  if (k >= 0) return k;
  if (const std::optional<BusMember> m = ParseMember(name)) {
    k = find(m->base + std::to_string(m->index));
  } else {
    size_t digits = name.size();
    while (digits > 0 && IsDigit(name[digits - 1])) --digits;
    if (digits > 0 && digits < name.size())
      k = find(std::string(name.substr(0, digits)) + "(" + std::string(name.substr(digits)) + ")");
  }
  if (k >= 0) return k;
  const std::string one(name);
  return anyWidth || find(one + "1") < 0 ? find(one + "0") : -1;
}

// Every use of a sub-schematic counts, as one part and with its parts, so
// no hierarchy of empty sub-schematics passes the cap.
uint64_t CountGates(const SchNetlist& n) {
  uint64_t gates = 0;
  for (const SchBlock& b : n.Blocks) gates += b.Sub >= 0 ? 1 + n.Subs[static_cast<size_t>(b.Sub)]->Gates : 1;
  return gates;
}

uint64_t CountNets(const SchNetlist& n) {
  uint64_t nets = n.SignalNames.size();
  for (const SchBlock& b : n.Blocks)
    if (b.Sub >= 0) nets += n.Subs[static_cast<size_t>(b.Sub)]->Nets;
  return nets;
}

// The file TYPE.sch, name in any case, in `folder`; the name written exactly
// so comes first, then the first in name order.
std::optional<fs::path> FindSubFile(const fs::path& folder, std::string_view type) {
  const std::string wanted = std::string(type) + ".sch";
  if (type.empty() || type.find_first_of("/\\") != std::string_view::npos) return std::nullopt;
  std::error_code ec;
  std::optional<fs::path> found;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (Lower(name) != Lower(wanted) || !it->is_regular_file(ec)) continue;
    if (name == wanted) return it->path();
    if (!found || name < found->filename().string()) found = it->path();
  }
  return found;
}

// The steps both forms feed: declare a net, a port, a block, a pin, an
// attribute. Each logs what it records; false ends the reading.
class Builder {
 public:
  Builder(SchNetlist& netlist, SchLog& log, const fs::path& path, SchHierarchy* hierarchy)
      : m_net(netlist), m_log(log), m_path(path), m_hierarchy(hierarchy) {}

  // After a refusal the rest of the file is only looked through for a
  // storing part, whose refusal names the real cause and so comes first.
  void Fail() { m_failed = true; }

  void Signal(const std::string& name) {
    if (m_failed) return;
    if (m_net.SignalNames.size() >= kMaxNets) {
      m_tooMany = true;
      return;
    }
    Declare(name);
  }

  bool Port(bool input, const std::string& name) {
    if (m_failed) return true;
    if (m_tooMany) return LogFailure(m_log, TooManyNets());
    std::vector<SchPort>& ports = input ? m_net.InputPorts : m_net.OutputPorts;
    const std::string what = input ? "DefineSchInputTo " : "DefineSchOutputTo ";
    const int32_t net = Find(name);
    const std::optional<BusRange> bus = ParseBus(name);
    if (net < 0 || !bus) {
      m_log.Line(what + std::to_string(net) + "   *" + name + "*");
      if (net < 0) return LogFailure(m_log, Reason(ReasonCode::SchPortUndeclared, {ShownName(name)}));
      // One bit of a bus, A(3), is ordered by its index like a member of a bus port.
      const std::optional<BusMember> member = ParseMember(name);
      ports.push_back(SchPort{net, member ? member->index : -1});
      return true;
    }
    // A bus port stands for its member nets, in index order.
    if (bus->hi() - bus->lo() >= kMaxBusWidth)
      return LogFailure(m_log, Reason(ReasonCode::SchBusPortTooWide, {ShownName(name), kMaxBusWidth}));
    if (m_net.SignalNames.size() + static_cast<size_t>(bus->hi() - bus->lo()) >= kMaxNets)
      return LogFailure(m_log, TooManyNets());
    for (int i = bus->lo(); i <= bus->hi(); ++i) {
      const std::string member = MemberName(bus->base, i);
      int32_t memberNet = Find(member);
      if (memberNet < 0) memberNet = Declare(member);
      m_log.Line(what + std::to_string(memberNet) + "   *" + member + "*");
      ports.push_back(SchPort{memberNet, i});
    }
    return true;
  }

  bool BeginBlock(const std::string& name, const std::string& type) {
    if (m_failed) {
      if (!m_sequential && !ParseGateType(type))
        if (const std::optional<ReasonCode> kind = SequentialKind(type)) m_sequential = StoringPart(*kind, type, name);
      return true;
    }
    SchBlock block;
    block.Name = name;
    block.Type = type;
    m_log.Line("DefineBlock(" + name + "," + type + ")");
    m_open = true;
    m_pending.reset();
    m_inputs.clear();
    m_outputs.clear();
    m_anyWidth = false;
    if (const std::optional<GateType> gate = ParseGateType(type)) {
      m_inputs = gate->inputNames;
      m_outputs = gate->outputNames;
      m_anyWidth = gate->op == GateOp::Const;
    } else {
      const int sub = Resolve(name, type);
      if (sub == kRefused) return false;
      if (sub >= 0) {
        block.Sub = sub;
        const SchNetlist& n = m_net.Subs[static_cast<size_t>(sub)]->Netlist;
        for (const SchPort& p : n.InputPorts) m_inputs.push_back(n.SignalNames[static_cast<size_t>(p.net)]);
        for (const SchPort& p : n.OutputPorts) m_outputs.push_back(n.SignalNames[static_cast<size_t>(p.net)]);
      } else if (const std::optional<ReasonCode> kind = SequentialKind(type)) {
        m_pending = StoringPart(*kind, type, name);
      } else if (m_hierarchy) {
        m_pending = Reason(ReasonCode::SchUnknownType,
                           {ShownName(name), ShownName(type), ShownName(m_path.filename().string())});
      } else {
        m_pending = Reason(ReasonCode::SchUnsupportedType, {ShownName(name), ShownName(type)});
      }
    }
    block.Inputs.assign(m_inputs.size(), kUnconnected);
    block.Outputs.assign(m_outputs.size(), kUnconnected);
    m_net.Blocks.push_back(std::move(block));
    return true;
  }

  // `netName` empty: the pin is not connected.
  bool Pin(const std::string& pinName, const std::string& netName) {
    if (m_failed) return true;
    if (m_tooMany) return LogFailure(m_log, TooManyNets());
    if (!m_open) {
      if (m_net.Blocks.empty()) return LogFailure(m_log, Reason(ReasonCode::SchPinBeforeBlock));
      return true;  // outside a block: not a pin of an instance
    }
    SchBlock& block = m_net.Blocks.back();
    const std::string shownPin = ShownName(pinName), shownBlock = ShownName(block.Name);
    if (netName.empty()) {
      const int k = FindPin(m_inputs, pinName);
      m_log.Line(k >= 0 ? "In(" + std::to_string(k) + "): -1   **" : "Out: -1   **");
      return true;
    }
    if (m_pending) return LogFailure(m_log, *m_pending);
    block.Connected = true;
    std::optional<std::vector<std::string>> pins = Expand(pinName);
    const std::optional<std::vector<std::string>> nets = Expand(netName);
    if (!pins || !nets)
      return LogFailure(m_log, Reason(ReasonCode::SchPinBusTooWide, {shownPin, shownBlock, kMaxBusWidth}));
    if (pins->size() == 1 && nets->size() > 1) {
      // A one-word pin on a bus: pin P on X(3:0) is P(3:0).
      pins->clear();
      for (auto i = static_cast<int>(nets->size()) - 1; i >= 0; --i) pins->push_back(MemberName(pinName, i));
    }
    if (pins->size() != nets->size())
      return LogFailure(m_log, Reason(ReasonCode::SchPinWidths,
                                      {shownPin, shownBlock, pins->size(), ShownName(netName), nets->size()}));
    for (size_t i = 0; i < pins->size(); ++i) {
      const std::string& member = (*nets)[i];
      const int32_t net = Find(member);
      int k = FindPin(m_inputs, (*pins)[i]);
      const bool input = k >= 0;
      if (!input) k = FindPin(m_outputs, (*pins)[i], m_anyWidth);
      if (k < 0)
        return LogFailure(m_log,
                          Reason(ReasonCode::SchNoSuchPin, {shownBlock, ShownName(block.Type), ShownName((*pins)[i])}));
      if (input) {
        m_log.Line("In(" + std::to_string(k) + "): " + std::to_string(net) + "   *" + member + "*");
        block.Inputs[static_cast<size_t>(k)] = net;
      } else {
        m_log.Line("Out: " + std::to_string(net) + "   *" + member + "*");
        block.Outputs[static_cast<size_t>(k)] = net;
      }
      if (net < 0)
        return LogFailure(
            m_log, Reason(ReasonCode::SchPinNetUndeclared, {ShownName((*pins)[i]), shownBlock, ShownName(member)}));
    }
    return true;
  }

  void Attr(const std::string& name, const std::string& value) {
    if (!m_failed && m_open && name == "CValue") m_net.Blocks.back().Value = value;
  }

  void EndBlock() { m_open = false; }

  // Drops the blocks of unknown type that connect nothing (a drawing frame,
  // a title) and bounds the expanded size of the hierarchy.
  bool Finish() {
    if (m_failed) return m_sequential ? LogFailure(m_log, *m_sequential) : false;
    if (m_tooMany) return LogFailure(m_log, TooManyNets());
    auto& blocks = m_net.Blocks;
    blocks.erase(std::remove_if(blocks.begin(), blocks.end(),
                                [&](const SchBlock& b) {
                                  const bool unknown = b.Sub < 0 && !ParseGateType(b.Type);
                                  if (unknown) m_log.Line("Skip(" + b.Name + "," + b.Type + ")");
                                  return unknown;
                                }),
                 blocks.end());
    if (CountGates(m_net) > kMaxGates) return LogFailure(m_log, Reason(ReasonCode::SchTooManyParts, {kMaxGates}));
    if (CountNets(m_net) > kMaxNets) return LogFailure(m_log, TooManyNets());
    return true;
  }

 private:
  static constexpr int kRefused = -2;

  static Reason TooManyNets() { return Reason(ReasonCode::SchTooManyNets, {kMaxNets}); }

  static Reason StoringPart(ReasonCode kind, const std::string& type, const std::string& name) {
    return Reason(ReasonCode::SchStoringPart, {ShownName(type), ShownName(name), Reason(kind)});
  }

  int32_t Declare(const std::string& name) {
    m_net.SignalNames.push_back(name);
    m_net.SignalValues.emplace_back(kUndef);
    const auto number = static_cast<int32_t>(m_net.SignalNames.size() - 1);
    m_names.emplace(name, number);  // the first of equal names counts
    if (const std::optional<BusRange> bus = ParseBus(name)) m_buses.emplace(bus->base, *bus);
    m_log.Line("NewSignal \"" + name + "\"=>" + std::to_string(number));
    return number;
  }

  // The net of a name; a member of a declared bus is declared when first named.
  int32_t Find(const std::string& name) {
    const std::string trimmed(Trim(name));
    if (trimmed == kUndef) return -1;
    if (const auto it = m_names.find(trimmed); it != m_names.end()) return it->second;
    const std::optional<BusMember> m = ParseMember(trimmed);
    if (!m) return -1;
    const auto [from, to] = m_buses.equal_range(m->base);
    for (auto it = from; it != to; ++it)
      if (it->second.lo() <= m->index && m->index <= it->second.hi()) return Declare(trimmed);
    return -1;
  }

  // The sub-schematic for a block of `type`: its index in Subs, -1 when there
  // is no such file, kRefused when it is refused.
  int Resolve(const std::string& block, const std::string& type) {
    if (!m_hierarchy) return -1;
    if (const auto known = m_resolved.find(type); known != m_resolved.end()) return known->second;
    const int sub = ResolveFile(block, type);
    if (sub != kRefused) m_resolved.emplace(type, sub);
    return sub;
  }

  int ResolveFile(const std::string& block, const std::string& type) {
    const std::optional<fs::path> file = FindSubFile(m_path.parent_path(), type);
    if (!file) return -1;
    std::error_code ec;
    fs::path key = fs::weakly_canonical(*file, ec);
    if (ec) key = *file;
    const std::string shownFile = ShownName(file->filename().string());
    for (size_t i = 0; i < m_net.Subs.size(); ++i)
      if (m_subKeys[i] == key) return static_cast<int>(i);
    if (std::find(m_hierarchy->open.begin(), m_hierarchy->open.end(), key) != m_hierarchy->open.end()) {
      LogFailure(m_log, Reason(ReasonCode::SchSubCycle, {ShownName(block), shownFile}));
      return kRefused;
    }
    if (m_hierarchy->open.size() >= kMaxDepth) {
      LogFailure(m_log, Reason(ReasonCode::SchSubTooDeep, {ShownName(block), shownFile, kMaxDepth}));
      return kRefused;
    }
    std::shared_ptr<const SchSub>& sub = m_hierarchy->read[key];
    if (!sub) {
      auto read = std::make_shared<SchSub>();
      read->File = file->filename().string();
      SchSubLog log(m_log, shownFile);
      std::ifstream in(*file, std::ios::binary);
      if (!in) {
        LogFailure(log, Reason(ReasonCode::SchSubCannotOpen));
        return kRefused;
      }
      if (!ReadSchematic(in, key.string(), read->Netlist, log, m_hierarchy) ||
          !CheckNetlist(read->Netlist, log, CheckScope::Sub))
        return kRefused;
      read->Gates = CountGates(read->Netlist);
      read->Nets = CountNets(read->Netlist);
      sub = std::move(read);
    }
    m_net.Subs.push_back(sub);
    m_subKeys.push_back(key);
    return static_cast<int>(m_net.Subs.size() - 1);
  }

  SchNetlist& m_net;
  SchLog& m_log;
  fs::path m_path;
  SchHierarchy* m_hierarchy;
  std::unordered_map<std::string, int32_t> m_names;
  std::unordered_multimap<std::string, BusRange> m_buses;
  std::vector<fs::path> m_subKeys;                  // parallel to m_net.Subs
  std::unordered_map<std::string, int> m_resolved;  // Resolve's answer by type
  // The block being read: its pin names, and the refusal its first connected
  // pin meets when its type is unknown.
  bool m_open = false;
  std::vector<std::string> m_inputs;
  std::vector<std::string> m_outputs;
  std::optional<Reason> m_pending;
  bool m_anyWidth = false;
  bool m_failed = false;
  bool m_tooMany = false;              // more nets were declared than kMaxNets
  std::optional<Reason> m_sequential;  // met after a refusal
};

// The words of a text line; a word in double quotes may hold blanks.
std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  size_t p = 0;
  while (p < line.size()) {
    if (IsBlank(line[p])) {
      ++p;
    } else if (line[p] == '"') {
      const size_t end = line.find('"', p + 1);
      words.emplace_back(line.substr(p + 1, end == std::string_view::npos ? std::string_view::npos : end - p - 1));
      p = end == std::string_view::npos ? line.size() : end + 1;
    } else {
      size_t end = p;
      while (end < line.size() && !IsBlank(line[end])) ++end;
      words.emplace_back(line.substr(p, end - p));
      p = end;
    }
  }
  return words;
}

class TextScanner {
 public:
  explicit TextScanner(Builder& b) : m_b(b) {}

  bool Scan(std::string_view line) {
    const std::vector<std::string> w = Words(line);
    const size_t n = w.size();
    if (n < 2) return true;
    if (m_blockdef) {
      m_blockdef = !(w[0] == "END" && w[1] == "BLOCKDEF");
      return true;
    }
    if (w[0] == "SIGNAL") {
      m_b.Signal(w[1]);
    } else if (w[0] == "BEGIN" && w[1] == "SIGNAL" && n >= 3) {
      m_b.Signal(w[2]);
    } else if (w[0] == "BEGIN" && w[1] == "BLOCKDEF") {
      m_blockdef = true;
    } else if (w[0] == "BEGIN" && w[1] == "BLOCK") {
      return m_b.BeginBlock(n >= 3 ? w[2] : "noname", n >= 4 ? w[3] : kUndef);
    } else if (w[0] == "END" && w[1] == "BLOCK") {
      m_b.EndBlock();
    } else if (w[0] == "PORT" && n >= 3 && (w[1] == "Input" || w[1] == "Output")) {
      return m_b.Port(w[1] == "Input", w[2]);
    } else if (w[0] == "PIN") {
      return m_b.Pin(w[1], n >= 3 ? w[2] : "");
    } else if (w[0] == "ATTR" && n >= 3) {
      m_b.Attr(w[1], w[2]);
    } else if (w[0] == "BEGIN" && w[1] == "ATTR" && n >= 4) {
      m_b.Attr(w[2], w[3]);
    }
    return true;
  }

 private:
  Builder& m_b;
  bool m_blockdef = false;
};

// The XML form: a tag scanner for exactly the elements of a netlist, bounded
// by the text it is given and refusing what it cannot take apart.
class XmlScanner {
 public:
  XmlScanner(std::string_view text, Builder& b, SchLog& log) : m_s(text), m_b(b), m_log(log) {}

  bool Scan() {
    for (;;) {
      const size_t lt = m_s.find('<', m_p);
      if (lt == std::string_view::npos) return true;
      m_p = lt;
      if (Skip("<!--", "-->") || Skip("<![CDATA[", "]]>") || Skip("<?", "?>") || Skip("<!", ">")) continue;
      if (!Tag()) {
        m_b.Fail();
        return LogFailure(m_log, Reason(ReasonCode::SchXmlDamaged, {lt}));
      }
      if (!Handle()) m_b.Fail();
    }
  }

 private:
  // Skips a construct from `open` to `close` (or to the end).
  bool Skip(std::string_view open, std::string_view close) {
    if (m_s.substr(m_p, open.size()) != open) return false;
    const size_t end = m_s.find(close, m_p + open.size());
    m_p = end == std::string_view::npos ? m_s.size() : end + close.size();
    return true;
  }

  static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  static bool IsNameChar(char c) { return !IsSpace(c) && c != '/' && c != '>' && c != '=' && c != '<'; }

  void SkipSpace() {
    while (m_p < m_s.size() && IsSpace(m_s[m_p])) ++m_p;
  }

  std::string_view Name() {
    const size_t from = m_p;
    while (m_p < m_s.size() && IsNameChar(m_s[m_p]) && m_s[m_p] != '"' && m_s[m_p] != '\'') ++m_p;
    return m_s.substr(from, m_p - from);
  }

  // One start, end or empty-element tag at m_p.
  bool Tag() {
    ++m_p;
    m_closing = m_p < m_s.size() && m_s[m_p] == '/';
    if (m_closing) ++m_p;
    m_name = Name();
    m_empty = false;
    m_attrs.clear();
    if (m_name.empty()) return false;
    for (;;) {
      SkipSpace();
      if (m_p >= m_s.size()) return false;
      if (m_s[m_p] == '>') break;
      if (m_s.compare(m_p, 2, "/>") == 0) {
        m_empty = true;
        ++m_p;
        break;
      }
      const std::string_view key = Name();
      SkipSpace();
      if (key.empty() || m_p >= m_s.size() || m_s[m_p] != '=') return false;
      ++m_p;
      SkipSpace();
      if (m_p >= m_s.size() || (m_s[m_p] != '"' && m_s[m_p] != '\'')) return false;
      const size_t end = m_s.find(m_s[m_p], m_p + 1);
      if (end == std::string_view::npos) return false;
      m_attrs.emplace_back(key, Decode(m_s.substr(m_p + 1, end - m_p - 1)));
      m_p = end + 1;
    }
    ++m_p;
    return true;
  }

  // The text of an attribute with its character references replaced.
  static std::string Decode(std::string_view raw) {
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string text;
    for (size_t p = 0; p < raw.size();) {
      bool replaced = false;
      if (raw[p] == '&') {
        for (const auto& [entity, c] : kEntities)
          if (raw.substr(p, entity.size()) == entity) {
            text += c;
            p += entity.size();
            replaced = true;
            break;
          }
      }
      if (!replaced) text += raw[p++];
    }
    return text;
  }

  const std::string* Attr(std::string_view key) const {
    for (const auto& [k, v] : m_attrs)
      if (k == key) return &v;
    return nullptr;
  }

  std::string AttrOr(std::string_view key, const char* fallback) const {
    const std::string* v = Attr(key);
    return v ? *v : fallback;
  }

  bool Handle() {
    if (m_name == "netlist") {
      m_netlist = !m_closing && !m_empty;
      return true;
    }
    if (!m_netlist) return true;
    if (m_name == "blockdef") {
      m_blockdef = !m_closing && !m_empty;
      return true;
    }
    if (m_blockdef) return true;
    if (m_closing) {
      if (m_name == "block") m_b.EndBlock();
      return true;
    }
    if (m_name == "signal") {
      if (const std::string* name = Attr("name")) m_b.Signal(*name);
    } else if (m_name == "port") {
      const std::string polarity = AttrOr("polarity", "");
      if (const std::string* name = Attr("name"); name && (polarity == "Input" || polarity == "Output"))
        return m_b.Port(polarity == "Input", *name);
    } else if (m_name == "block") {
      if (!m_b.BeginBlock(AttrOr("name", "noname"), AttrOr("symbolname", kUndef))) return false;
      if (m_empty) m_b.EndBlock();
    } else if (m_name == "blockpin") {
      return m_b.Pin(AttrOr("name", ""), AttrOr("signalname", ""));
    } else if (m_name == "attr") {
      m_b.Attr(AttrOr("name", ""), AttrOr("value", ""));
    }
    return true;
  }

  std::string_view m_s;
  size_t m_p = 0;
  Builder& m_b;
  SchLog& m_log;
  std::string_view m_name;
  bool m_closing = false;
  bool m_empty = false;
  std::vector<std::pair<std::string_view, std::string>> m_attrs;
  bool m_netlist = false;
  bool m_blockdef = false;
};

// Keeps the schematic being read on the hierarchy's stack.
class OpenGuard {
 public:
  OpenGuard(SchHierarchy* h, const fs::path& path) : m_h(h) {
    if (!m_h) return;
    std::error_code ec;
    fs::path key = fs::weakly_canonical(path, ec);
    m_h->open.push_back(ec ? path : key);
  }
  ~OpenGuard() {
    if (m_h) m_h->open.pop_back();
  }
  OpenGuard(const OpenGuard&) = delete;
  OpenGuard& operator=(const OpenGuard&) = delete;

 private:
  SchHierarchy* m_h;
};

}  // namespace

int32_t FindSignal(const std::vector<std::string>& signalNames, std::string_view name) {
  name = Trim(name);
  if (name == kUndef) return -1;
  for (size_t i = 0; i < signalNames.size(); ++i)
    if (signalNames[i] == name) return static_cast<int32_t>(i);
  return -1;
}

bool ReadSchematic(std::istream& in, const std::string& fullPath, SchNetlist& netlist, SchLog& log,
                   SchHierarchy* hierarchy) {
  netlist = SchNetlist{};
  log.Line(fullPath);
  const OpenGuard guard(hierarchy, fullPath);
  Builder builder(netlist, log, fullPath, hierarchy);
  std::streambuf& buf = *in.rdbuf();

  // The XML form starts with '<' after blanks (and a byte-order mark).
  size_t number = 1;
  for (int c = buf.sgetc(); c != std::char_traits<char>::eof(); c = buf.snextc()) {
    if (c == '\n') ++number;
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != 0xEF && c != 0xBB && c != 0xBF) break;
  }
  if (buf.sgetc() == '<') {
    std::string text;
    char chunk[4096];
    for (std::streamsize got; (got = buf.sgetn(chunk, sizeof chunk)) > 0;) {
      if (text.size() + static_cast<size_t>(got) > kMaxXmlSize)
        return LogFailure(log, Reason(ReasonCode::SchXmlTooLarge, {kMaxXmlSize >> 20}));
      text.append(chunk, static_cast<size_t>(got));
    }
    if (!XmlScanner(text, builder, log).Scan()) return builder.Finish();
  } else {
    TextScanner scanner(builder);
    std::string line;
    for (;; ++number) {
      const LineRead read = ReadLine(buf, in, line);
      if (read == LineRead::End) break;
      if (read == LineRead::TooLong)
        return LogFailure(log, Reason(ReasonCode::SchLineTooLong, {number, kMaxLineLength}));
      if (!scanner.Scan(line)) builder.Fail();
    }
  }
  if (in.bad()) return LogFailure(log, Reason(ReasonCode::SchReadFailed));
  if (!builder.Finish()) return false;
  log.Line(kSeparator);
  return true;
}

}  // namespace tarrow

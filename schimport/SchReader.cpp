#include "schimport/SchReader.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "schimport/GateType.h"

namespace tarrow {
namespace {

constexpr std::string_view kSeparator = "=====================================";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool Contains(std::string_view line, std::string_view keyword) { return line.find(keyword) != std::string_view::npos; }

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

std::optional<int> ParseCount(std::string_view digits) {
  if (!AllDigits(digits) || digits.size() > 9) return std::nullopt;
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

enum class LineRead { Line, End, TooLong };

// One line without its line break (LF or CR LF), reading no further than one
// character past the longest accepted line.
LineRead ReadLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buf = in.rdbuf();
  bool any = false;
  for (;;) {
    const int c = buf->sbumpc();
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

// A bus name NAME(a:b) stands for the nets NAME(lo) .. NAME(hi).
struct BusRange {
  std::string base;
  int lo = 0;
  int hi = 0;
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
  return BusRange{std::string(name.substr(0, open)), std::min(*a, *b), std::max(*a, *b)};
}

class Reader {
 public:
  Reader(SchNetlist& netlist, SchLog& log) : m_net(netlist), m_log(log) {}

  // Applies the keyword tests to one line; false ends the reading.
  bool Scan(std::string line) {
    if (Contains(line, "SIGNAL") && !Contains(line, "END SIGNAL")) {
      SplitAtKeyword(line, "SIGNAL");
      Declare(line);
    }
    if (Contains(line, "PORT Input")) {
      SplitAtKeyword(line, "PORT Input");
      if (!DefinePort(line, m_net.InputPorts, "DefineSchInputTo ")) return false;
    }
    if (Contains(line, "PORT Output")) {
      SplitAtKeyword(line, "PORT Output");
      if (!DefinePort(line, m_net.OutputPorts, "DefineSchOutputTo ")) return false;
    }
    if (Contains(line, "BEGIN BLOCK") && !Contains(line, "BEGIN BLOCKDEF")) {
      SplitAtKeyword(line, "BEGIN BLOCK");
      if (!DefineBlock(line)) return false;
    }
    if (Contains(line, "PIN I") && !InputPin(line)) return false;
    if (Contains(line, "PIN O")) {
      SplitAtKeyword(line, "PIN O");
      if (!OutputPin(line)) return false;
    }
    // The constants gnd and vcc name their output pin G and P.
    if (m_gate && m_gate->outputPin != 'O') {
      const std::string keyword = std::string("PIN ") + m_gate->outputPin;
      if (Contains(line, keyword + ' ')) {
        SplitAtKeyword(line, keyword);
        if (!OutputPin(line)) return false;
      }
    }
    return true;
  }

 private:
  int32_t Declare(const std::string& name) {
    m_net.SignalNames.push_back(name);
    m_net.SignalValues.emplace_back(kUndef);
    const auto number = static_cast<int32_t>(m_net.SignalNames.size() - 1);
    m_log.Line("NewSignal \"" + name + "\"=>" + std::to_string(number));
    return number;
  }

  bool DefinePort(const std::string& name, std::vector<SchPort>& ports, const std::string& what) {
    const int32_t net = FindSignal(m_net.SignalNames, name);
    const std::optional<BusRange> bus = ParseBus(name);
    if (net < 0 || !bus) {
      m_log.Line(what + std::to_string(net) + "   *" + name + "*");
      if (net < 0) return LogFailure(m_log, "the port " + name + " names a net that is not declared before it");
      ports.push_back(SchPort{net, -1});
      return true;
    }
    // A bus port stands for its member nets; members that no SIGNAL line
    // declared are declared by the bus.
    if (bus->hi - bus->lo >= kMaxBusWidth)
      return LogFailure(m_log, "the bus port " + name + " is wider than " + std::to_string(kMaxBusWidth) + " nets");
    for (int i = bus->lo; i <= bus->hi; ++i) {
      const std::string member = bus->base + "(" + std::to_string(i) + ")";
      int32_t memberNet = FindSignal(m_net.SignalNames, member);
      if (memberNet < 0) memberNet = Declare(member);
      m_log.Line(what + std::to_string(memberNet) + "   *" + member + "*");
      ports.push_back(SchPort{memberNet, i});
    }
    return true;
  }

  bool DefineBlock(std::string rest) {
    SchBlock block;
    block.Name = SplitAtKeyword(rest, " ");
    block.Type = std::string(Trim(rest));
    m_log.Line("DefineBlock(" + block.Name + "," + block.Type + ")");
    m_gate = ParseGateType(block.Type);
    m_net.Blocks.push_back(std::move(block));
    if (!m_gate)
      return LogFailure(m_log, "the block " + m_net.Blocks.back().Name + " has the type " + m_net.Blocks.back().Type +
                                   ", which is not a supported gate");
    return true;
  }

  bool InputPin(std::string& line) {
    // "PIN I net" is the single input of inv and buf, pin 0; "PIN I<k> net"
    // is pin k. Pins with other names starting with I are not inputs.
    const size_t at = line.find("PIN I") + 5;
    std::string number = "0";
    if (at < line.size() && !IsBlank(line[at])) {
      SplitAtKeyword(line, "PIN I");
      number = SplitAtKeyword(line, " ");
      if (!AllDigits(number)) return true;
    } else {
      SplitAtKeyword(line, "PIN I");
    }
    const std::string netName = line;
    const int32_t net = FindSignal(m_net.SignalNames, netName);
    const std::optional<int> pin = ParseCount(number);
    m_log.Line("In(" + (pin ? std::to_string(*pin) : number) + "): " + std::to_string(net) + "   *" + netName + "*");
    if (m_net.Blocks.empty()) return LogFailure(m_log, "a pin line stands before the first block");
    SchBlock& block = m_net.Blocks.back();
    if (!pin || *pin >= m_gate->inputs)
      return LogFailure(m_log, "the pin I" + number + " of " + block.Name + " lies beyond the " +
                                   std::to_string(m_gate->inputs) + " inputs of " + block.Type);
    if (net < 0)
      return LogFailure(
          m_log, "the pin I" + number + " of " + block.Name + " names the net " + netName + ", which is not declared");
    if (block.Inputs.size() <= static_cast<size_t>(*pin))
      block.Inputs.resize(static_cast<size_t>(*pin) + 1, kUnconnected);
    block.Inputs[static_cast<size_t>(*pin)] = net;
    return true;
  }

  bool OutputPin(const std::string& netName) {
    if (m_net.Blocks.empty()) {
      m_log.Line("Out: -1   *" + netName + "*");
      return LogFailure(m_log, "a pin line stands before the first block");
    }
    SchBlock& block = m_net.Blocks.back();
    const int32_t net = FindSignal(m_net.SignalNames, netName);
    block.Outputs.push_back(net);
    m_log.Line("Out: " + std::to_string(block.Outputs.front()) + "   *" + netName + "*");
    if (net < 0)
      return LogFailure(m_log,
                        "the output pin of " + block.Name + " names the net " + netName + ", which is not declared");
    return true;
  }

  SchNetlist& m_net;
  SchLog& m_log;
  std::optional<GateType> m_gate;  // the type of the most recent block
};

}  // namespace

std::string SplitAtKeyword(std::string& line, std::string_view keyword) {
  const size_t at = line.find(keyword);
  if (at == std::string::npos) {
    std::string whole = std::move(line);
    line = kUndef;
    return whole;
  }
  std::string before = line.substr(0, at);
  line = std::string(Trim(std::string_view(line).substr(at + keyword.size())));
  return before.empty() ? "-1" : before;
}

int32_t FindSignal(const std::vector<std::string>& signalNames, std::string_view name) {
  name = Trim(name);
  if (name == kUndef) return -1;
  for (size_t i = 0; i < signalNames.size(); ++i)
    if (signalNames[i] == name) return static_cast<int32_t>(i);
  return -1;
}

bool ReadSchematic(std::istream& in, const std::string& fullPath, SchNetlist& netlist, SchLog& log) {
  netlist = SchNetlist{};
  log.Line(fullPath);
  Reader reader(netlist, log);
  std::string line;
  for (size_t number = 1;; ++number) {
    const LineRead read = ReadLine(in, line);
    if (read == LineRead::End) break;
    if (read == LineRead::TooLong)
      return LogFailure(
          log, "line " + std::to_string(number) + " is longer than " + std::to_string(kMaxLineLength) + " characters");
    if (!reader.Scan(line)) return false;
  }
  if (in.bad()) return LogFailure(log, "the schematic could not be read to its end");
  log.Line(kSeparator);
  return true;
}

}  // namespace tarrow

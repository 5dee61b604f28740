// Evaluates a combinational BLIF model (.inputs, .outputs, .names) on one
// input combination: enough to check an exported netlist against the words
// a function defines.
#pragma once

#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace lodex::testing {

class CBlifEval {
 public:
  // `error` is set when the text holds anything but the three directives.
  explicit CBlifEval(const std::string& text) {
    std::istringstream in(text);
    std::string line, joined;
    while (std::getline(in, line)) {
      if (const size_t hash = line.find('#'); hash != std::string::npos) line.resize(hash);
      if (!line.empty() && line.back() == '\\') {
        joined += line.substr(0, line.size() - 1) + " ";
        continue;
      }
      std::istringstream words(joined + line);
      joined.clear();
      std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
      if (w.empty() || w[0] == ".model" || w[0] == ".end") continue;
      if (w[0] == ".inputs" || w[0] == ".outputs") {
        (w[0] == ".inputs" ? inputs : outputs)
            .insert((w[0] == ".inputs" ? inputs : outputs).end(), w.begin() + 1, w.end());
      } else if (w[0] == ".names") {
        m_tables.push_back({std::vector<std::string>(w.begin() + 1, w.end() - 1), w.back(), {}});
        m_driver[w.back()] = m_tables.size() - 1;
      } else if (w[0][0] == '.' || m_tables.empty()) {
        error = "unexpected line: " + line;
      } else {
        m_tables.back().rows.push_back(w.size() == 1 ? w[0] : w[0] + w[1]);
      }
    }
  }

  // Output k's value for input j = bit j of `combination`, bit k of the result.
  int Evaluate(unsigned combination) {
    m_value.clear();
    for (size_t j = 0; j < inputs.size(); ++j) m_value[inputs[j]] = (combination >> j) & 1u;
    int word = 0;
    for (size_t k = 0; k < outputs.size(); ++k) word |= Value(outputs[k]) << k;
    return word;
  }

  std::vector<std::string> inputs, outputs;
  std::string error;

 private:
  struct Table {
    std::vector<std::string> in;
    std::string out;
    std::vector<std::string> rows;  // input cube then the output value
  };

  int Value(const std::string& net) {
    if (const auto known = m_value.find(net); known != m_value.end()) return known->second;
    const auto driver = m_driver.find(net);
    if (driver == m_driver.end()) {
      error = "no driver for " + net;
      return 0;
    }
    const Table& t = m_tables[driver->second];
    // Rows list the ON set (value 1) or the OFF set (value 0); no rows is 0.
    int result = !t.rows.empty() && t.rows[0].back() == '0' ? 1 : 0;
    for (const std::string& row : t.rows) {
      bool match = true;
      for (size_t j = 0; j < t.in.size() && match; ++j) match = row[j] == '-' || row[j] - '0' == Value(t.in[j]);
      if (match) result = row.back() - '0';
    }
    return m_value[net] = result;
  }

  std::vector<Table> m_tables;
  std::map<std::string, size_t> m_driver;
  std::map<std::string, int> m_value;
};

}  // namespace lodex::testing

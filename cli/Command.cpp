#include "cli/Command.h"

#include <charconv>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "app/BlockSearch.h"
#include "model/FileIo.h"
#include "model/PrintableText.h"
#include "model/SchemeFile.h"

namespace lodex::cli {
namespace {

std::vector<Registrar>& Registrars() {
  static std::vector<Registrar> all;
  return all;
}

std::string LinksText(const CLogicalBlock& b) {
  std::string out;
  for (const CBlockInput& link : b.m_inputs) {
    if (!out.empty()) out += ' ';
    out += PrintableText(link.m_source) + ':' + std::to_string(link.m_pin);
  }
  return out;
}

}  // namespace

CommandRegistration::CommandRegistration(Registrar registrar) { Registrars().push_back(std::move(registrar)); }

void RegisterAll(CLI::App& app) {
  for (const Registrar& r : Registrars()) r(app);
}

namespace {

std::string WrapText(const std::string& text, size_t width) {
  std::string out, line;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      out += line + '\n';
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  return out + line;
}

}  // namespace

void Explain(CLI::App* cmd, const std::string& paragraph, const std::string& example) {
  cmd->footer("\n" + WrapText(paragraph, 78) + "\n\nExample:\n  " + example + "\n");
}

CLogicalScheme LoadOrRefuse(const std::string& path) {
  CLogicalScheme scheme;
  if (Status s = LoadSchemeFile(path, scheme); !s) Refuse(s.message());
  return scheme;
}

void RefuseOutputOverInput(const std::string& out, const std::vector<std::string>& inputs) {
  for (const std::string& in : inputs)
    if (!out.empty() && !in.empty() && SameFile(out, in))
      Refuse("the output " + QuotedPath(out) + " is the input " + QuotedPath(in) + "; nothing was written");
}

void WriteOrPrint(const CLogicalScheme& scheme, const std::string& out) {
  if (out.empty()) {
    std::cout << SchemeText(scheme);
    return;
  }
  if (Status s = SaveSchemeFile(out, scheme); !s) Refuse(s.message());
}

int ResolveBlock(const CLogicalScheme& scheme, const std::string& name) {
  if (const std::optional<int> position = BlockPosition(name)) {
    if (!IsLogicBlock(scheme, *position))
      Refuse("block " + name + " is not a logic block: the scheme has logic blocks 1.." +
             std::to_string(scheme.GetBlockCount() - 2));
    return *position;
  }
  const int index = scheme.FindBlock(name);
  if (!IsLogicBlock(scheme, index)) Refuse("the scheme has no logic block " + name);
  return index;
}

uint32_t ParseMask(const std::string& text, const std::string& what) {
  uint32_t value = 0;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* begin = text.data() + (hex ? 2 : 0);
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(begin, end, value, hex ? 16 : 10);
  if (ec != std::errc() || p != end || begin == end)
    Refuse(what + " '" + text + "' is not a decimal or 0x hexadecimal number");
  return value;
}

std::string SchemeText(const CLogicalScheme& s) {
  std::string out = "sourceLP\t" + PrintableText(s.m_sourceLP) + "\nwordDigits\t" + std::to_string(s.m_wordDigits) +
                    "\nblockCounter\t" + std::to_string(s.m_blockCounter) + "\n#\tid\tcaption\tin\tout\tlinks\tlp\n";
  for (int i = 0; i < s.GetBlockCount(); ++i) {
    const CLogicalBlock& b = s.GetBlock(i);
    out += std::to_string(i) + '\t' + PrintableText(b.m_id) + '\t' + PrintableText(b.m_caption) + '\t' +
           std::to_string(b.m_inputCount) + '\t' + std::to_string(b.m_outputCount) + '\t' + LinksText(b) + '\t' +
           PrintableText(b.m_lp) + '\n';
  }
  return out;
}

std::string SchemeJson(const CLogicalScheme& s) {
  nlohmann::ordered_json blocks = nlohmann::ordered_json::array();
  for (int i = 0; i < s.GetBlockCount(); ++i) {
    const CLogicalBlock& b = s.GetBlock(i);
    nlohmann::ordered_json inputs = nlohmann::ordered_json::array();
    for (const CBlockInput& link : b.m_inputs) inputs.push_back({{"source", link.m_source}, {"pin", link.m_pin}});
    blocks.push_back({{"index", i},
                      {"id", b.m_id},
                      {"caption", b.m_caption},
                      {"lp", b.m_lp},
                      {"wordDigits", b.m_wordDigits},
                      {"inputCount", b.m_inputCount},
                      {"outputCount", b.m_outputCount},
                      {"inputs", std::move(inputs)}});
  }
  nlohmann::ordered_json doc = {{"sourceLP", s.m_sourceLP},
                                {"wordDigits", s.m_wordDigits},
                                {"blockCounter", s.m_blockCounter},
                                {"blocks", std::move(blocks)}};
  return doc.dump(2) + "\n";
}

}  // namespace lodex::cli

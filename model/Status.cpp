#include "model/Status.h"

#include <cstring>

#include "model/PrintableText.h"

namespace lodex {
namespace {

struct CodeEntry {
  std::string_view name;
  std::string_view english;
};

constexpr CodeEntry kCodes[] = {
#define LODEX_REASON_ENTRY(code, english) {#code, english},
    LODEX_REASONS(LODEX_REASON_ENTRY)
#undef LODEX_REASON_ENTRY
};

static_assert(std::size(kCodes) == static_cast<size_t>(kReasonCodeCount));

}  // namespace

std::string_view EnglishWording(ReasonCode code) { return kCodes[static_cast<size_t>(code)].english; }

std::string_view ReasonCodeName(ReasonCode code) { return kCodes[static_cast<size_t>(code)].name; }

std::string FillPlaceholders(std::string_view wording, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(wording.size());
  for (size_t i = 0; i < wording.size(); ++i) {
    const char c = wording[i];
    if (c == '%' && i + 1 < wording.size() && wording[i + 1] >= '1' && wording[i + 1] <= '9') {
      size_t n = static_cast<size_t>(wording[i + 1] - '0');
      size_t end = i + 2;
      if (end < wording.size() && wording[end] >= '0' && wording[end] <= '9') n = n * 10 + (wording[end++] - '0');
      if (n <= args.size()) {
        out += args[n - 1];
        i = end - 1;
        continue;
      }
    }
    out += c;
  }
  return out;
}

std::string EnglishText(const Reason& reason) {
  std::vector<std::string> args;
  args.reserve(reason.args().size());
  for (const ReasonArg& arg : reason.args()) {
    switch (arg.kind) {
      case ReasonArg::Kind::Text: args.push_back(PrintableText(arg.text)); break;
      case ReasonArg::Kind::System: args.emplace_back(std::strerror(arg.system)); break;
      case ReasonArg::Kind::Nested: args.push_back(EnglishText(*arg.nested)); break;
    }
  }
  return FillPlaceholders(EnglishWording(reason.code()), args);
}

std::string Status::message() const { return m_reason ? EnglishText(*m_reason) : std::string(); }

}  // namespace lodex

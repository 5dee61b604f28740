#include "model/LogicSequence.h"

namespace lodex {

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

Words LPToWords(std::string_view text, int digits) {
  if (digits < 1 || text.size() % static_cast<size_t>(digits) != 0) return {};
  Words words;
  words.reserve(text.size() / static_cast<size_t>(digits));
  for (size_t start = 0; start < text.size(); start += static_cast<size_t>(digits)) {
    // Unsigned arithmetic: wide words wrap instead of overflowing.
    uint32_t word = 0;
    for (int j = 0; j < digits; ++j) {
      char c = text[start + static_cast<size_t>(j)];
      if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
      uint32_t digit;
      if (c >= '0' && c <= '9') {
        digit = static_cast<uint32_t>(c - '0');
      } else if (c >= 'A' && c <= 'F') {
        digit = static_cast<uint32_t>(c - 'A' + 10);
      } else if (c == '*') {
        word = 0xFFFFFFFFu;
        continue;
      } else {
        return {};
      }
      const int shift = 4 * (digits - 1 - j);
      if (shift < 32) word += digit << shift;
    }
    words.push_back(static_cast<int32_t>(word));
  }
  return words;
}

std::string WordsToLP(const Words& words, int digits) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(words.size() * static_cast<size_t>(digits > 0 ? digits : 1));
  char buf[8];
  for (int32_t w : words) {
    if (w == -1) {
      out.append(static_cast<size_t>(digits > 0 ? digits : 0), '*');
      continue;
    }
    uint32_t v = static_cast<uint32_t>(w);
    int n = 0;
    do {
      buf[n++] = kHex[v & 15u];
      v >>= 4;
    } while (v != 0);
    for (int pad = n; pad < digits; ++pad) out.push_back('0');
    while (n > 0) out.push_back(buf[--n]);
  }
  return out;
}

bool MergeWords(Words& a, const Words& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != -1 && b[i] != -1 && a[i] != b[i]) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] == -1) a[i] = b[i];
  return true;
}

bool MatchLP(std::string_view a, std::string_view b) {
  if (b.size() < a.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && a[i] != '*' && b[i] != '*') return false;
  return true;
}

std::string IntToBits(int32_t v) {
  if (v == -1) return "*";
  std::string out;
  for (uint32_t u = static_cast<uint32_t>(v); u != 0; u >>= 1) out.push_back((u & 1u) ? '1' : '0');
  return out;
}

int32_t BitsToInt(std::string_view bits) {
  if (bits == "*") return -1;
  uint32_t v = 0;
  for (size_t k = 0; k < bits.size() && k < 32; ++k)
    if (bits[k] == '1') v |= 1u << k;
  return static_cast<int32_t>(v);
}

int CountOnes(std::string_view text) {
  int n = 0;
  for (char c : text) n += (c == '1');
  return n;
}

char PinValue(int32_t value, int pin) {
  if (value == -1) return pin == 0 ? '*' : '0';
  if (pin < 0 || pin >= 32) return '0';
  return ((static_cast<uint32_t>(value) >> pin) & 1u) ? '1' : '0';
}

std::string ProjectionPattern(size_t length, int k, bool complement) {
  std::string out(length, '0');
  for (size_t j = 0; j < length; ++j) {
    const bool bit = k >= 0 && k < 63 && ((j >> k) & 1u);
    out[j] = (bit != complement) ? '1' : '0';
  }
  return out;
}

int MaxWordDigit(int outputs, int digit) {
  if (outputs < 1) return 0;
  if (digit > 0 || outputs % 4 == 0) return 15;
  return (1 << (outputs % 4)) - 1;
}

bool WordDigitAllowed(int outputs, int digit, char c) {
  if (c == '*') return true;
  if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  int value;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  else
    return false;
  return value <= MaxWordDigit(outputs, digit);
}

std::optional<WordOutOfRange> FindWordOutOfRange(std::string_view lp, int outputs) {
  const size_t digits = static_cast<size_t>(WordDigitsFor(outputs));
  if (digits == 0 || outputs % 4 == 0) return std::nullopt;
  for (size_t start = 0; start + digits <= lp.size(); start += digits) {
    const char c = lp[start];
    if (c == '*' || !IsSequenceChar(c)) continue;
    if (!WordDigitAllowed(outputs, 0, c)) return WordOutOfRange{start / digits, std::string(lp.substr(start, digits))};
  }
  return std::nullopt;
}

}  // namespace lodex

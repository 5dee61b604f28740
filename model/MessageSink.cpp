#include "model/MessageSink.h"

#include <cstdio>

namespace lodex {
namespace {

class CStderrSink : public CMessageSink {
 public:
  MessageAnswer Show(const Message& message) override {
    std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), MessageText(message).c_str());
    switch (message.buttons) {
      case MessageButtons::YesNo:
      case MessageButtons::YesNoCancel: return MessageAnswer::Yes;
      default: return MessageAnswer::Ok;
    }
  }
};

CMessageSink*& Installed() {
  static CStderrSink fallback;
  static CMessageSink* sink = &fallback;
  return sink;
}

}  // namespace

std::string MessageText(const Message& message) {
  if (!message.text.empty()) return message.text;
  if (message.reason) return EnglishText(*message.reason);
  return PhraseText(message.phrases);
}

CMessageSink& CurrentMessageSink() { return *Installed(); }

MessageAnswer ShowMessage(const Message& message) { return Installed()->Show(message); }

CScopedMessageSink::CScopedMessageSink(CMessageSink& sink) : m_previous(Installed()) { Installed() = &sink; }

CScopedMessageSink::~CScopedMessageSink() { Installed() = m_previous; }

}  // namespace lodex

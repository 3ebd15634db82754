#include "message_parts.h"

#include "codepage.h"

namespace morvadel {

std::string ShortForMessage(std::string_view text) {
  const size_t end = text.find_first_of("\r\n");
  const bool moreLines = end != std::string_view::npos && text.find_first_not_of("\r\n \t", end) != std::string_view::npos;
  std::string_view line = text.substr(0, end);
  size_t at = 0, chars = 0;
  while (at < line.size() && chars < kQuotedChars) {
    const size_t n = Utf8SequenceLength(line.substr(at));
    at += n == 0 ? 1 : n;
    ++chars;
  }
  const bool cut = at < line.size() || moreLines;
  return ValidUtf8(line.substr(0, at)) + (cut ? "…" : "");
}

std::string QuoteForMessage(std::string_view text) { return "\"" + ShortForMessage(text) + "\""; }

}  // namespace morvadel

#include "keyin/field_access.h"

#include "dictionary/word_scan.h"

namespace plotwarden {

std::string_view unquotedField(const Dictionary& dictionary, std::string_view field,
                               std::string& scratch) {
  const char quote = dictionary.textRules.quote;
  // Most fields hold neither a quote character nor a zero byte, and most
  // quoted ones are a quote, a text without either, and a quote: both are
  // views into the text, found with a test or two of a word each.
  const char* text = dictionary.text.data();
  const char* end = field.data() + field.size();
  if (!holdsEither(text, field.data(), end, '\0', quote)) return field;
  if (field.size() >= 3 && field[0] == quote && field.back() == quote &&
      !holdsEither(text, field.data() + 1, end - 1, '\0', quote))
    return field.substr(1, field.size() - 2);
  field = field.substr(0, field.find('\0'));
  if (quote == '\0' || field.find(quote) == std::string_view::npos) return field;
  scratch.assign(field);
  undoubleQuotes(scratch, quote);
  return scratch;
}

// Written back over the text itself: the write position never passes the
// read position, so no copy is needed.
void undoubleQuotes(std::string& text, char quote) {
  if (quote == '\0') return;
  // Characters before the first quote stay where they are.
  const size_t firstQuote = text.find(quote);
  if (firstQuote == std::string::npos) return;
  const size_t n = text.size();
  size_t written = firstQuote;
  for (size_t i = firstQuote; i < n; ++i) {
    char c = text[i];
    if (c == quote) {
      if (i == n - 1) continue;  // closing quote
      if (text[i + 1] == quote) {
        ++i;  // a doubled quote stands for one
      } else if (i == 0) {
        continue;  // opening quote
      }
    }
    text[written++] = c;
  }
  text.resize(written);
}

}  // namespace plotwarden

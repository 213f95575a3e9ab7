#include "cli/Terminal.h"

#include <string>

#include "platform/Text.h"

void Terminal::Message(std::u16string_view text) {
  std::string utf8 = platform::Utf16ToUtf8(text);
  std::string line;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
      err << line << '\n';
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) err << line << '\n';
  err.flush();
}

void Terminal::Usage(std::string_view command, std::string_view text) {
  err << "tessarion-cli: " << text << "\n";
  if (command.empty()) {
    err << "Run 'tessarion-cli --help' for the commands.\n";
  } else {
    err << "Run 'tessarion-cli " << command << " --help' for its usage.\n";
  }
  err.flush();
}

void Terminal::Progress(std::string_view text) {
  err << text;
  err.flush();
}

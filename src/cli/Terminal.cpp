#include "cli/Terminal.h"

#include <iostream>
#include <string>

#if defined(_WIN32)
#include <io.h>
#include <stdio.h>
#else
#include <unistd.h>
#endif

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

bool Terminal::ShowsProgress() const {
#if defined(_WIN32)
  const bool terminal = _isatty(_fileno(stderr)) != 0;
#else
  const bool terminal = isatty(STDERR_FILENO) != 0;
#endif
  return &err == &std::cerr && terminal;
}

void Terminal::Progress(std::string_view line) {
  // Blanks cover what is left of a longer previous line.
  err << '\r' << line;
  if (line.size() < progressWidth) err << std::string(progressWidth - line.size(), ' ');
  progressWidth = line.size();
  err.flush();
}

void Terminal::EndProgress() {
  if (progressWidth == 0) return;
  err << '\n';
  err.flush();
  progressWidth = 0;
}

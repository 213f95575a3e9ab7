#include <iostream>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "platform/Text.h"

#if defined(_WIN32)
// Arguments arrive as UTF-16 so that any file name survives; they are
// handled as UTF-8 inside the command line layer.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    std::wstring arg(argv[i]);
    words.push_back(platform::Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
  }
  Terminal terminal(std::cout, std::cerr);
  return RunCli(words, terminal);
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  Terminal terminal(std::cout, std::cerr);
  return RunCli(words, terminal);
}
#endif

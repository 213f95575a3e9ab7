#pragma once
#include <ostream>
#include <string_view>

// The command line's two outputs: results on standard output, the system's
// messages on standard error, both UTF-8.
class Terminal {
 public:
  Terminal(std::ostream& out, std::ostream& err) : out(out), err(err) {}

  std::ostream& Out() { return out; }
  // A system message, one output line per line of the message (its "\r\n"
  // line ends and any trailing line end are not repeated).
  void Message(std::u16string_view text);
  // A wrong command line: "tessarion-cli: TEXT" and a pointer to the help.
  void Usage(std::string_view command, std::string_view text);
  // Whether standard error is the process's own and a terminal, so a live
  // progress line can be redrawn in place.
  bool ShowsProgress() const;
  // Redraws the live progress line; EndProgress moves past it.
  void Progress(std::string_view line);
  void EndProgress();

 private:
  std::ostream& out;
  std::ostream& err;
  std::size_t progressWidth = 0;
};

#pragma once
#include <optional>
#include <string>

// The main window's title, which follows the network file last opened or
// saved: "Tessarion - NAME.tsn", or "Tessarion" while no name is known.
class WindowTitle {
 public:
  // Takes the file name after the last backslash before ".TSN" when there is
  // one within 256 characters; otherwise keeps the previous name. Returns
  // the title for the name now held.
  std::u16string Update(const std::optional<std::u16string>& path);
  const std::u16string& NetworkFileName() const { return networkFileName; }

 private:
  std::u16string networkFileName;
};

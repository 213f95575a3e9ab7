#pragma once

// A failed dialog check: the box that gets the error balloon, with the
// balloon's title and text. The dialog shows it and stays open.
struct Balloon {
  int field;
  const char16_t* title;
  const char16_t* text;
};

#pragma once
#include "win/Dialog.h"

// The About box: the program's picture and version.
class AboutDialog : public Win::Dialog {
 public:
  void Run(HWND parent);

 private:
  bool OnInitDialog() override;
};

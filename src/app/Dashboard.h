#pragma once
#include <array>
#include <string>
#include <vector>

#include "app/Shell.h"

// The texts the main window shows: the list panels (a label and a value per
// row), the status and mse labels, the progress bars, the two individual
// captions and the title. Each change is kept here, so the report can be
// written from exactly what the window shows, and passed on to the shell.
class Dashboard {
 public:
  struct Row {
    std::u16string label;
    std::u16string value;
  };

  explicit Dashboard(Shell& shell);

  // Shows every text as it stands (when the window has been created).
  void ShowAll();

  void SetValue(Panel panel, int row, const std::u16string& value);
  void SetRowLabel(Panel panel, int row, const std::u16string& label);
  void SetLabel(Label label, const std::u16string& text, Colour colour);
  // Keeps a label's text and changes its colour.
  void SetLabelColour(Label label, Colour colour);
  void SetBar(Bar bar, int percent);
  void SetCaption(Caption caption, const std::u16string& text);
  void SetTitle(const std::u16string& title);

  const std::vector<Row>& Rows(Panel panel) const { return panels[Index(panel)]; }
  const std::u16string& Value(Panel panel, int row) const { return panels[Index(panel)][row].value; }
  const std::u16string& RowLabel(Panel panel, int row) const { return panels[Index(panel)][row].label; }
  const std::u16string& LabelText(Label label) const { return labels[Index(label)].text; }
  Colour LabelColour(Label label) const { return labels[Index(label)].colour; }
  int BarValue(Bar bar) const { return bars[static_cast<int>(bar)]; }
  const std::u16string& CaptionText(Caption caption) const { return captions[static_cast<int>(caption)]; }
  const std::u16string& Title() const { return title; }

 private:
  struct LabelState {
    std::u16string text;
    Colour colour;
  };
  static int Index(Panel panel) { return static_cast<int>(panel); }
  static int Index(Label label) { return static_cast<int>(label); }

  Shell& shell;
  std::array<std::vector<Row>, kPanelCount> panels;
  std::array<LabelState, 2> labels;
  std::array<int, 3> bars = {};
  std::array<std::u16string, 2> captions;
  std::u16string title = u"Tessarion";
};

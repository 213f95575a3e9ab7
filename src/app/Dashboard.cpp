#include "app/Dashboard.h"

namespace {

constexpr const char16_t* kNone = u"-------";

std::vector<Dashboard::Row> MakeRows(std::initializer_list<Dashboard::Row> rows) { return rows; }

}  // namespace

Dashboard::Dashboard(Shell& shell) : shell(shell) {
  panels[Index(Panel::kNetwork)] = MakeRows({{u"Structure:", kNone},
                                             {u"Type:", kNone},
                                             {u"Style:", kNone},
                                             {u"Hidden layers:", kNone},
                                             {u"Domain:", kNone}});
  panels[Index(Panel::kTrainingInfo)] =
      MakeRows({{u"Training Set:", u"0 x 0"}, {u"Met Goal?", kNone}, {u"MSE:", u""}, {u"Cycles:", u""}});
  panels[Index(Panel::kInitializationSetup)] = MakeRows({{u"Type:", u""},
                                                         {u"Cycles:", u""},
                                                         {u"Init Temp:", u""},
                                                         {u"End Temp:", u""},
                                                         {u"Iterations:", u""},
                                                         {u"No. Temps:", u""}});
  panels[Index(Panel::kOptimizationSetup)] = MakeRows({{u"Type:", u""}, {u"Epochs:", u""}});
  panels[Index(Panel::kFeatureSelectionSetup)] = MakeRows({{u"Population:", u""}, {u"Generations:", u""}});
  panels[Index(Panel::kInitializationProgress)] = MakeRows(
      {{u"Temperature:", u"0"}, {u"Cycle:", u"0"}, {u"MSE:", u"1.0000"}, {u"Time Left:", u"Unknown"}});
  panels[Index(Panel::kOptimizationProgress)] =
      MakeRows({{u"Epoch:", u"0"}, {u"MSE:", u"1.0000"}, {u"Time Left:", u"Unknown"}});
  panels[Index(Panel::kFsLoocvProgress)] = MakeRows({{u"Individual:", u"0"},
                                                     {u"Generation:", u"0"},
                                                     {u"Best Ind. mse:", u"1.0000"},
                                                     {u"Time Left:", u"Unknown"}});
  labels[Index(Label::kStatus)] = {u"None ANN", kAzure};
  labels[Index(Label::kMse)] = {u"mse: ------", kRed};
  captions = {u"Feature Selection: CURRENT INDIVIDUAL", u"Feature Selection: BEST INVIDIVIDUAL"};
}

void Dashboard::ShowAll() {
  for (int p = 0; p < kPanelCount; ++p) {
    for (int r = 0; r < static_cast<int>(panels[p].size()); ++r) {
      shell.SetPanelCell(static_cast<Panel>(p), r, 0, panels[p][r].label);
      shell.SetPanelCell(static_cast<Panel>(p), r, 1, panels[p][r].value);
    }
  }
  for (int l = 0; l < 2; ++l) shell.SetLabel(static_cast<Label>(l), labels[l].text, labels[l].colour);
  for (int b = 0; b < 3; ++b) shell.SetProgressBar(static_cast<Bar>(b), bars[b]);
  for (int c = 0; c < 2; ++c) shell.SetCaption(static_cast<Caption>(c), captions[c]);
  shell.SetTitle(title);
}

void Dashboard::SetValue(Panel panel, int row, const std::u16string& value) {
  panels[Index(panel)][row].value = value;
  shell.SetPanelCell(panel, row, 1, value);
}

void Dashboard::SetRowLabel(Panel panel, int row, const std::u16string& label) {
  panels[Index(panel)][row].label = label;
  shell.SetPanelCell(panel, row, 0, label);
}

void Dashboard::SetLabel(Label label, const std::u16string& text, Colour colour) {
  labels[Index(label)] = {text, colour};
  shell.SetLabel(label, text, colour);
}

void Dashboard::SetLabelColour(Label label, Colour colour) { SetLabel(label, LabelText(label), colour); }

void Dashboard::SetBar(Bar bar, int percent) {
  bars[static_cast<int>(bar)] = percent;
  shell.SetProgressBar(bar, percent);
}

void Dashboard::SetCaption(Caption caption, const std::u16string& text) {
  captions[static_cast<int>(caption)] = text;
  shell.SetCaption(caption, text);
}

void Dashboard::SetTitle(const std::u16string& newTitle) {
  title = newTitle;
  shell.SetTitle(title);
}

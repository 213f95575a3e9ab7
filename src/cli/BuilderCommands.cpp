#include "cli/BuilderCommands.h"

#include <charconv>

#include "builder/BuilderCopy.h"
#include "builder/BuilderDocument.h"
#include "builder/EquationEditor.h"
#include "builder/EquationParser.h"
#include "cli/Commands.h"
#include "platform/Text.h"

namespace {

constexpr std::int32_t kMaxRows = 65536;
constexpr std::int32_t kMaxCols = 2048;

// A whole number in [low, high] from an option's text.
bool ReadCount(const std::string& text, std::int32_t low, std::int32_t high, std::int32_t& count) {
  const char* last = text.data() + text.size();
  auto [end, ec] = std::from_chars(text.data(), last, count);
  return ec == std::errc() && end == last && count >= low && count <= high;
}

bool Fail(Terminal& terminal, std::u16string_view message) {
  terminal.Message(message);
  return false;
}

bool LoadDocument(const std::string& path, BuilderDocument& document, Terminal& terminal) {
  const std::u16string error = document.Load(platform::PathFromUtf8(path));
  return error.empty() || Fail(terminal, error);
}

int RunBuilderNew(const Arguments& args, Terminal& terminal) {
  if (args.Positional().size() != 1) {
    terminal.Usage("builder-new", "expected DOC.tsn");
    return kExitUsage;
  }
  std::int32_t rows = 32, cols = 2;
  if (args.Has("--rows") && !ReadCount(args.Value("--rows"), 1, kMaxRows, rows)) {
    terminal.Usage("builder-new", "--rows needs a whole number from 1 to 65536");
    return kExitUsage;
  }
  if (args.Has("--cols") && !ReadCount(args.Value("--cols"), 1, kMaxCols, cols)) {
    terminal.Usage("builder-new", "--cols needs a whole number from 1 to 2048");
    return kExitUsage;
  }
  BuilderDocument document;
  const auto type = args.Has("--by-cell") ? BuilderDocument::kByCell : BuilderDocument::kByColumn;
  std::u16string error = document.Reset(type, rows, cols);
  if (error.empty()) error = document.Save(platform::PathFromUtf8(args.Positional()[0]));
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  return kExitDone;
}

int RunBuild(const Arguments& args, Terminal& terminal) {
  if (args.Positional().size() != 2) {
    terminal.Usage("build", "expected DOC.tsn and OUT.csv");
    return kExitUsage;
  }
  std::int32_t rows = 0;
  if (args.Has("--rows") && !ReadCount(args.Value("--rows"), 1, kMaxRows, rows)) {
    terminal.Usage("build", "--rows needs a whole number from 1 to 65536");
    return kExitUsage;
  }
  BuilderDocument document;
  if (!LoadDocument(args.Positional()[0], document, terminal)) return kExitFailed;
  if (rows > 0) document.SetRows(rows);
  Matrix set;
  if (!set.Resize(document.Rows(), document.Cols())) {
    terminal.Message(u"No enough memory to build training set");
    return kExitFailed;
  }
  if (!document.Build(set)) {
    terminal.Message(u"Unable to build training set");
    return kExitFailed;
  }
  if (Message error = set.SaveCsv(platform::PathFromUtf8(args.Positional()[1]))) {
    terminal.Message(error);
    return kExitFailed;
  }
  return kExitDone;
}

// Which equation --var, --col or --cell names; false with a usage text.
bool ChooseTarget(const Arguments& args, const BuilderDocument& document, bool& variable, std::int32_t& index,
                  std::string& problem) {
  const int given = args.Has("--var") + args.Has("--col") + args.Has("--cell");
  if (given != 1) {
    problem = "give exactly one of --var ROW, --col I and --cell";
    return false;
  }
  variable = args.Has("--var");
  if (variable) {
    if (ReadCount(args.Value("--var"), 1, NameTable::kVariables, index)) return --index, true;
    problem = "--var needs a row number from 1 to 90";
    return false;
  }
  if (args.Has("--cell")) {
    index = 0;
    if (document.GetBuildType() == BuilderDocument::kByCell) return true;
    problem = "--cell needs a document built by cell";
    return false;
  }
  if (document.GetBuildType() != BuilderDocument::kByColumn) {
    problem = "--col needs a document built by column";
    return false;
  }
  if (ReadCount(args.Value("--col"), 1, document.Cols(), index)) return --index, true;
  problem = "--col needs a column number from 1 to the document's column count";
  return false;
}

int RunBuilderSet(const Arguments& args, Terminal& terminal) {
  if (args.Positional().size() != 2) {
    terminal.Usage("builder-set", "expected DOC.tsn and the equation's text");
    return kExitUsage;
  }
  BuilderDocument document;
  if (!LoadDocument(args.Positional()[0], document, terminal)) return kExitFailed;
  bool variable = false;
  std::int32_t index = 0;
  std::string problem;
  if (!ChooseTarget(args, document, variable, index, problem)) {
    terminal.Usage("builder-set", problem);
    return kExitUsage;
  }
  const EquationEditor editor =
      variable ? EquationEditor::ForVariable(document, index) : EquationEditor::ForDataSet(document, index);
  EquationEditor::Choice choice = editor.Initial();
  EquationParser parser(document.Names());
  std::u16string error = parser.Parse(platform::Utf8ToUtf16(args.Positional()[1]), choice);
  if (error.empty() && !variable && choice.name != document.DataSet()[index].name)
    error = u"The name of this equation is fixed: " + std::u16string(document.DataSet()[index].name);
  Equation record;
  if (error.empty()) {
    if (const char16_t* refused = editor.Accept(choice, record)) error = refused;
  }
  if (error.empty()) {
    (variable ? document.Names().Variable(index) : document.DataSet()[index]) = record;
    error = document.Save(platform::PathFromUtf8(args.Positional()[0]));
  }
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

int PrintBuilderInfo(const std::filesystem::path& path, Terminal& terminal) {
  char16_t message[256];
  if (BuilderDocument::Probe(path, message, 256) != 1) {
    terminal.Message(message[0] ? message : u"This is not a Tessarion file");
    return kExitFailed;
  }
  BuilderDocument document;
  if (const std::u16string error = document.Load(path); !error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  std::ostream& out = terminal.Out();
  out << "Builder document\n"
      << "Rows: " << document.Rows() << "\n"
      << "Cols: " << document.Cols() << "\n"
      << "Build type: " << (document.GetBuildType() == BuilderDocument::kByCell ? "By Cell" : "By Column")
      << "\n";
  for (const std::u16string& line : CopiedLines(document, false)) out << platform::Utf16ToUtf8(line) << "\n";
  return kExitDone;
}

Command BuilderNewCommand() {
  return {"builder-new",
          "builder-new DOC.tsn [--rows R] [--cols C] [--by-cell]",
          "Write a new data set builder document.",
          "The new document holds the fresh variables x01..x90 and one equation per column\n"
          "(or the single \"cell\" equation with --by-cell). Defaults: 32 rows, 2 columns.",
          {{"--rows", true}, {"--cols", true}, {"--by-cell", false}},
          RunBuilderNew};
}

Command BuildCommand() {
  return {"build",
          "build DOC.tsn OUT.csv [--rows R]",
          "Build a builder document's data set and write it as CSV.",
          "--rows replaces the document's row count for this build.",
          {{"--rows", true}, {"--quiet", false}},
          RunBuild};
}

Command BuilderSetCommand() {
  return {"builder-set",
          "builder-set DOC.tsn (--var ROW | --col I | --cell) \"TEXT\"",
          "Replace one equation of a builder document by its written form.",
          "TEXT is an equation as the builder writes it, for example\n"
          "  \"x01 = ( row BIT 1 ) × x02;\"   \"col1 = sin(x01);\"\n"
          "  \"IF ( x03 )   THEN   x04 = x01   ELSE   x04 = 0;\"\n"
          "The operators may also be written - * / >= <= !=. ROW and I count from 1.\n"
          "The equation editor's checks apply: a variable names only the predefined\n"
          "names and the variables above it, and its name follows the name rules.",
          {{"--var", true}, {"--col", true}, {"--cell", false}},
          RunBuilderSet};
}

// A builder document from any bytes: the loader must refuse bad input with
// a message and never crash or size anything from counts the input cannot
// hold; what loads must render, build and parse back without fault.
#include <cstdint>
#include <cstdlib>

#include "MemoryFile.h"
#include "builder/BuilderCopy.h"
#include "builder/BuilderDocument.h"
#include "builder/EquationEditor.h"
#include "builder/EquationParser.h"
#include "builder/EquationText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryFile file(data, size);
  BuilderDocument doc;
  if (!doc.Read(file).empty()) return 0;
  if (doc.DataSet().size() * kEquationBytes > size) std::abort();
  const std::u16string html = HtmlCopy(doc);
  for (const std::u16string& line : CopiedLines(doc, false)) {
    EquationEditor::Choice choice;
    EquationParser(doc.Names()).Parse(line, choice);
  }
  if (static_cast<std::int64_t>(doc.Rows()) * doc.Cols() <= 256) {
    Matrix set(doc.Rows(), doc.Cols());
    if (!doc.Build(set)) std::abort();
  }
  return html.empty() ? 1 : 0;
}

#pragma once
#include <string>

#include "builder/BuilderDocument.h"

// The "Copy" and "Html Copy" texts: the variable equations that something
// refers to, a separator line, then the data-set equations.
std::u16string TextCopy(const BuilderDocument& document);
std::u16string HtmlCopy(const BuilderDocument& document);

// The lines both copies list, in plain or HTML form, separator included.
std::vector<std::u16string> CopiedLines(const BuilderDocument& document, bool html);

#pragma once
#include <string_view>

namespace platform {

// The engine's rare stand-alone error boxes (an SVD that does not converge,
// a line search that runs out of iterations) go through this hook, so the
// engine holds no window code. The workbench installs a message box; the
// default writes "caption: text" to standard error.
using ErrorBoxHandler = void (*)(std::u16string_view text, std::u16string_view caption);

void SetErrorBoxHandler(ErrorBoxHandler handler);  // null restores the default
void ShowErrorBox(std::u16string_view text, std::u16string_view caption);

}  // namespace platform

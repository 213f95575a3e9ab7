#pragma once
#include <string>

#include "app/Shell.h"
#include "numerics/Matrix.h"

// The "Save" button of the confusion-matrix window: a web page chosen
// through the shell, written with the network's short description as its
// title, and the failure told to the user.
namespace ConfusionSave {

// False when the user cancelled or the page could not be written.
bool Save(Shell& shell, const Matrix& confusion, const std::u16string& structure);

}  // namespace ConfusionSave

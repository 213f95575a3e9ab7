#pragma once
#include <string>

#include "net/NetworkSetup.h"

// The one-line descriptions of a network.
namespace NetworkDescription {

// The workspace's structure text by network kind: "2 : 3T : 1L"; "0:0" for
// a Kohonen network, empty without a network.
std::u16string Short(int networkKind, const networkSetup& setup);
// The Network Setup dialog's caption, with the minimum number of training
// cases in thousands-separated form.
std::u16string Long(const networkSetup& setup);

}  // namespace NetworkDescription

#pragma once
#include <cstddef>
#include <filesystem>
#include <string>

// What a ".tsn" file holds, judged from its leading fields before anything
// loads it. Builder documents and network files share the first fields
// (header size, major and minor version, a 64-byte UTF-16 magic text).
namespace FileProbes {

enum BuilderVerdict { kProbeFailed = 0, kBuilderDocument = 1, kOtherTsn = 2 };

// kBuilderDocument, kOtherTsn (version 3.1, another magic text), or
// kProbeFailed with the reason in `buffer` (cut to `size`, NUL-terminated).
int ProbeBuilderDocument(const std::filesystem::path& path, char16_t* buffer, std::size_t size);

// The network kind of a network file: 1, 2 or 3 (layer networks without,
// with one and with two hidden layers), 4 (Kohonen), or -1 with the reason
// in `message` (at most 255 characters; empty for an unknown family).
int ProbeNetworkKind(const std::filesystem::path& path, std::u16string& message);

}  // namespace FileProbes

#pragma once
#include <filesystem>
#include <string>

#include "app/Dashboard.h"

// The HTML training report: a snapshot of the dashboard's texts as a web
// page, UTF-16 little-endian with a byte-order mark.
namespace Report {

// The page's text (without the byte-order mark).
std::u16string Text(const Dashboard& dashboard, const std::u16string& networkFileName);
// Writes the page; empty on success, else the system's text for the
// failure. A partly written file stays on disk.
std::u16string Write(const std::filesystem::path& path, const Dashboard& dashboard,
                     const std::u16string& networkFileName);

}  // namespace Report

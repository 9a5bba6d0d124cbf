#pragma once

#include <string>
#include <string_view>

namespace zelpor {

// Writes a document (a PDF, a CSV) as a whole new file: the bytes go into a
// file beside the target, which replaces the target only once complete. A
// failure at any point leaves no partial file and an existing target as it
// was. Returns an empty text on success, else the system's reason.
std::string WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace zelpor

#pragma once
// Whole-file reads and crash-safe whole-file replacement.
#include <string>
#include <string_view>

namespace dorvik {

enum class FileRead { Ok, Missing, Failed };

// Reads the whole regular file into *out (see the model's ReadWholeFile:
// FIFOs, devices and folders are refused, the size is capped).
FileRead ReadWholeFile(const std::string& path, std::string& out);

// Writes the bytes to a temporary file beside the target, flushes it to disk
// and renames it over the target, so a failure at any step leaves the old
// file as it was. An existing file keeps its permissions; a symbolic link
// has its target replaced. False when any step fails.
bool ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace dorvik

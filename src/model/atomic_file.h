#pragma once
// Whole-file reading and crash-safe replacement of small private files
// (the settings file holds the unit password).
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace dorvik {

// Moves the finished temporary file `from` over `to`. Returns false and sets
// *error when it fails. Replaceable so tests can make the last step fail.
using RenameStep =
    std::function<bool(const std::string& from, const std::string& to, std::string* error)>;

// rename(2).
RenameStep SystemRename();

enum class ReadStatus { kRead, kMissing, kFailed };

// No file the tool reads whole is larger than this.
inline constexpr std::size_t kMaxReadBytes = std::size_t{64} << 20;

// Reads the whole file into *content. kMissing when it does not exist;
// kFailed (with *error) when it exists but cannot be read, is no regular
// file (a FIFO, a device, a folder: refused without waiting on it) or holds
// more than maxBytes.
ReadStatus ReadWholeFile(const std::string& path, std::string* content, std::string* error,
                         std::size_t maxBytes = kMaxReadBytes);

// Replaces `path` by `content`: creates a missing parent folder, writes a
// temporary file of mode 0600 in the same folder, flushes it to disk and
// renames it over `path`. On any failure the temporary file is removed, the
// old file is left untouched, and false is returned with *error set.
bool WriteFileAtomically(const std::string& path, std::string_view content,
                         const RenameStep& rename, std::string* error);

}  // namespace dorvik

#pragma once
// ZIP archives of XML parts (.xlsx, .ods) held in memory. Reading is
// bounded: a part is refused before it is expanded when its size, or the
// sum of the parts read so far, passes a fixed limit. Writing is
// deterministic: the same parts give the same bytes.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::zip {

inline constexpr size_t kMaxPartBytes = size_t{32} << 20;
inline constexpr size_t kMaxTotalBytes = size_t{64} << 20;

enum class PartRead { Ok, Missing, TooLarge, Damaged };

class ZipReader {
public:
    // The bytes must outlive the reader.
    explicit ZipReader(std::string_view bytes);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // False when the bytes are not a ZIP archive.
    bool IsOpen() const;
    // Expands the part of that path ("xl/workbook.xml").
    PartRead Read(const std::string& path, std::string& out);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

struct Part {
    std::string path;
    std::string data;
};

// Builds the archive; the first part is stored uncompressed when
// storeFirst is set (the "mimetype" of an OpenDocument file), the others
// are deflated. False when the archive library fails.
bool BuildZip(const std::vector<Part>& parts, bool storeFirst, std::string& bytes);

}  // namespace dorvik::zip

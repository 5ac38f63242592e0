#pragma once
// BIFF8 record framing: record identifiers, reading records (each with the
// CONTINUE records that follow it) from a workbook stream, reading values and
// strings across those records, and appending records to a stream.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::xls {

namespace rec {
inline constexpr uint16_t kFormula = 0x0006;
inline constexpr uint16_t kEof = 0x000A;
inline constexpr uint16_t kFilePass = 0x002F;
inline constexpr uint16_t kFont = 0x0031;
inline constexpr uint16_t kWindow1 = 0x003D;
inline constexpr uint16_t kContinue = 0x003C;
inline constexpr uint16_t kCodePage = 0x0042;
inline constexpr uint16_t kBoundSheet = 0x0085;
inline constexpr uint16_t kMulRk = 0x00BD;
inline constexpr uint16_t kMulBlank = 0x00BE;
inline constexpr uint16_t kRString = 0x00D6;
inline constexpr uint16_t kXf = 0x00E0;
inline constexpr uint16_t kSst = 0x00FC;
inline constexpr uint16_t kLabelSst = 0x00FD;
inline constexpr uint16_t kExtSst = 0x00FF;
inline constexpr uint16_t kDimensions = 0x0200;
inline constexpr uint16_t kBlank = 0x0201;
inline constexpr uint16_t kNumber = 0x0203;
inline constexpr uint16_t kLabel = 0x0204;
inline constexpr uint16_t kBoolErr = 0x0205;
inline constexpr uint16_t kString = 0x0207;
inline constexpr uint16_t kWindow2 = 0x023E;
inline constexpr uint16_t kRk = 0x027E;
inline constexpr uint16_t kStyle = 0x0293;
inline constexpr uint16_t kFormula4 = 0x0406;
inline constexpr uint16_t kBof = 0x0809;
}  // namespace rec

// Largest data part of one record; longer data goes on in CONTINUE records.
inline constexpr size_t kMaxRecordData = 8224;

inline uint16_t Get16(const char* p) {
    auto b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}
inline uint32_t Get32(const char* p) {
    return Get16(p) | (static_cast<uint32_t>(Get16(p + 2)) << 16);
}
double GetDouble(const char* p);

void Put16(std::string& out, uint16_t v);
void Put32(std::string& out, uint32_t v);
void PutDouble(std::string& out, double v);
void Set32(std::string& out, size_t at, uint32_t v);

// One record: its own data first, then the data of each CONTINUE after it.
struct Record {
    uint16_t id = 0;
    size_t offset = 0;  // stream offset of the record header
    std::vector<std::string_view> segments;
    std::string_view Data() const { return segments.front(); }
};

class RecordReader {
public:
    RecordReader(std::string_view stream, size_t offset) : stream_(stream), pos_(offset) {}
    // Reads the next record; false at the end of the stream or when a
    // record runs past it (then Damaged() is true).
    bool Next(Record& r);
    bool Damaged() const { return damaged_; }

private:
    bool Header(uint16_t& id, std::string_view& data);

    std::string_view stream_;
    size_t pos_;
    bool damaged_ = false;
};

// Reads little-endian values across the segments of one record. The
// characters of a string that run past a segment end go on in the next
// segment after a fresh option byte (bit 0: two bytes per character).
class SegmentCursor {
public:
    explicit SegmentCursor(const Record& r, size_t skip = 0);
    bool U8(uint8_t& v);
    bool U16(uint16_t& v);
    bool U32(uint32_t& v);
    bool Skip(size_t n);
    // An XLUnicodeString: 16-bit (or 8-bit) length, option byte, optional
    // rich-text run count and phonetic size, characters, runs, phonetic data.
    bool String(bool byteLength, std::u16string& out);

private:
    bool NextSegment();
    bool Chars(size_t count, bool wide, std::u16string& out);
    size_t Left() const { return seg_ < segs_.size() ? segs_[seg_].size() - pos_ : 0; }

    const std::vector<std::string_view>& segs_;
    size_t seg_ = 0;
    size_t pos_ = 0;
};

// Appends records to a stream; data longer than one record goes on in
// CONTINUE records.
class RecordWriter {
public:
    void Add(uint16_t id, std::string_view data);
    std::string& Bytes() { return out_; }
    size_t Size() const { return out_.size(); }

private:
    void Header(uint16_t id, size_t length);
    std::string out_;
};

}  // namespace dorvik::xls

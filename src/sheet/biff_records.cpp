#include "sheet/biff_records.h"

#include <algorithm>
#include <cstring>

namespace dorvik::xls {

double GetDouble(const char* p) {
    uint64_t bits = Get32(p) | (static_cast<uint64_t>(Get32(p + 4)) << 32);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void Put16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, static_cast<uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<uint16_t>(v >> 16));
}

void PutDouble(std::string& out, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    Put32(out, static_cast<uint32_t>(bits & 0xFFFFFFFF));
    Put32(out, static_cast<uint32_t>(bits >> 32));
}

void Set32(std::string& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

bool RecordReader::Header(uint16_t& id, std::string_view& data) {
    if (stream_.size() - pos_ < 4) {
        damaged_ = pos_ != stream_.size();
        return false;
    }
    id = Get16(stream_.data() + pos_);
    size_t length = Get16(stream_.data() + pos_ + 2);
    if (stream_.size() - pos_ - 4 < length) {
        damaged_ = true;
        return false;
    }
    data = stream_.substr(pos_ + 4, length);
    pos_ += 4 + length;
    return true;
}

bool RecordReader::Next(Record& r) {
    if (pos_ > stream_.size()) {
        damaged_ = true;
        return false;
    }
    r.offset = pos_;
    r.segments.clear();
    std::string_view data;
    if (!Header(r.id, data)) return false;
    r.segments.push_back(data);
    // Gather the CONTINUE records that carry on this one.
    while (stream_.size() - pos_ >= 4 && Get16(stream_.data() + pos_) == rec::kContinue) {
        uint16_t id;
        if (!Header(id, data)) return false;
        r.segments.push_back(data);
    }
    return true;
}

SegmentCursor::SegmentCursor(const Record& r, size_t skip) : segs_(r.segments) {
    pos_ = std::min(skip, segs_.front().size());
}

bool SegmentCursor::NextSegment() {
    if (seg_ + 1 >= segs_.size()) return false;
    ++seg_;
    pos_ = 0;
    return true;
}

bool SegmentCursor::U8(uint8_t& v) {
    while (Left() == 0)
        if (!NextSegment()) return false;
    v = static_cast<uint8_t>(segs_[seg_][pos_++]);
    return true;
}

bool SegmentCursor::U16(uint16_t& v) {
    uint8_t lo, hi;
    if (!U8(lo) || !U8(hi)) return false;
    v = static_cast<uint16_t>(lo | (hi << 8));
    return true;
}

bool SegmentCursor::U32(uint32_t& v) {
    uint16_t lo, hi;
    if (!U16(lo) || !U16(hi)) return false;
    v = lo | (static_cast<uint32_t>(hi) << 16);
    return true;
}

bool SegmentCursor::Skip(size_t n) {
    while (n > 0) {
        while (Left() == 0)
            if (!NextSegment()) return false;
        size_t step = std::min(n, Left());
        pos_ += step;
        n -= step;
    }
    return true;
}

bool SegmentCursor::Chars(size_t count, bool wide, std::u16string& out) {
    out.clear();
    out.reserve(count);
    while (out.size() < count) {
        if (Left() == 0) {
            // The characters go on in the next record after an option byte.
            uint8_t options;
            if (!NextSegment() || !U8(options)) return false;
            wide = (options & 0x01) != 0;
        }
        size_t avail = wide ? Left() / 2 : Left();
        if (avail == 0) return false;  // half a character at a record end
        size_t take = std::min(avail, count - out.size());
        const char* p = segs_[seg_].data() + pos_;
        for (size_t i = 0; i < take; ++i)
            out.push_back(wide ? static_cast<char16_t>(Get16(p + 2 * i))
                               : static_cast<char16_t>(static_cast<unsigned char>(p[i])));
        pos_ += wide ? 2 * take : take;
    }
    return true;
}

bool SegmentCursor::String(bool byteLength, std::u16string& out) {
    uint16_t count = 0;
    uint8_t options = 0;
    if (byteLength) {
        uint8_t c8;
        if (!U8(c8)) return false;
        count = c8;
    } else if (!U16(count)) {
        return false;
    }
    if (!U8(options)) return false;
    uint16_t runs = 0;
    uint32_t phonetic = 0;
    if ((options & 0x08) && !U16(runs)) return false;
    if ((options & 0x04) && !U32(phonetic)) return false;
    if (!Chars(count, (options & 0x01) != 0, out)) return false;
    return Skip(4 * static_cast<size_t>(runs) + phonetic);
}

void RecordWriter::Header(uint16_t id, size_t length) {
    Put16(out_, id);
    Put16(out_, static_cast<uint16_t>(length));
}

void RecordWriter::Add(uint16_t id, std::string_view data) {
    size_t first = std::min(data.size(), kMaxRecordData);
    Header(id, first);
    out_.append(data.substr(0, first));
    for (size_t at = first; at < data.size(); at += kMaxRecordData) {
        size_t n = std::min(data.size() - at, kMaxRecordData);
        Header(rec::kContinue, n);
        out_.append(data.substr(at, n));
    }
}

}  // namespace dorvik::xls

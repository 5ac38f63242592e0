// The compound-file container, read and written through libgsf.
#include "sheet/ole_container.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <memory>
#include <mutex>

namespace dorvik::xls {
namespace {

constexpr int kMaxStorageDepth = 16;
constexpr size_t kReadChunk = 1 << 16;
constexpr std::array<uint8_t, 16> kExcelClassId = {0x20, 0x08, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                  0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

void Quiet(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

// A damaged file makes libgsf log assertion failures; the failure reaches
// the caller as a result instead.
void InitGsf() {
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING);
        for (const char* domain : {"libgsf", "libgsf:msole"}) g_log_set_handler(domain, levels, Quiet, nullptr);
    });
}

struct Unref {
    void operator()(void* p) const {
        if (p) g_object_unref(p);
    }
};
template <class T>
using GPtr = std::unique_ptr<T, Unref>;

bool ReadStream(GsfInput* input, std::string& out) {
    out.clear();
    guint8 buf[kReadChunk];
    for (gsf_off_t left = gsf_input_remaining(input); left > 0;) {
        size_t n = left < static_cast<gsf_off_t>(kReadChunk) ? static_cast<size_t>(left) : kReadChunk;
        if (!gsf_input_read(input, n, buf)) return false;
        out.append(reinterpret_cast<const char*>(buf), n);
        left -= static_cast<gsf_off_t>(n);
    }
    return true;
}

bool IsStorage(GsfInput* input) {
    return GSF_IS_INFILE(input) && gsf_infile_num_children(GSF_INFILE(input)) >= 0;
}

bool ReadEntry(GsfInput* input, const char* name, int depth, OleEntry& e) {
    e.name = name ? name : "";
    e.storage = IsStorage(input);
    if (!e.storage) return ReadStream(input, e.data);
    if (depth >= kMaxStorageDepth) return false;
    GsfInfile* dir = GSF_INFILE(input);
    for (int i = 0; i < gsf_infile_num_children(dir); ++i) {
        GPtr<GsfInput> child(gsf_infile_child_by_index(dir, i));
        if (!child) return false;
        e.children.emplace_back();
        if (!ReadEntry(child.get(), gsf_infile_name_by_index(dir, i), depth + 1, e.children.back()))
            return false;
    }
    return true;
}

bool IsNamed(const char* name, const char* wanted) {
    return name && g_ascii_strcasecmp(name, wanted) == 0;
}

ReadStatus ReadTop(GsfInfile* ole, OleFile& out) {
    bool found = false, oldBook = false;
    for (int i = 0; i < gsf_infile_num_children(ole); ++i) {
        const char* name = gsf_infile_name_by_index(ole, i);
        GPtr<GsfInput> child(gsf_infile_child_by_index(ole, i));
        if (!child) return ReadStatus::Damaged;
        if (IsNamed(name, "Workbook") && !IsStorage(child.get())) {
            if (!ReadStream(child.get(), out.workbook)) return ReadStatus::Damaged;
            found = true;
            continue;
        }
        oldBook = oldBook || IsNamed(name, "Book");
        out.others.emplace_back();
        if (!ReadEntry(child.get(), name, 1, out.others.back())) return ReadStatus::Damaged;
    }
    if (found) return ReadStatus::Ok;
    return oldBook ? ReadStatus::NotBiff8 : ReadStatus::Damaged;
}

bool WriteStream(GsfOutfile* dir, const char* name, std::string_view data) {
    GPtr<GsfOutput> child(gsf_outfile_new_child(dir, name, FALSE));
    if (!child) return false;
    bool ok = gsf_output_write(child.get(), data.size(), reinterpret_cast<const guint8*>(data.data()));
    return gsf_output_close(child.get()) && ok;
}

bool WriteEntry(GsfOutfile* dir, const OleEntry& e) {
    if (!e.storage) return WriteStream(dir, e.name.c_str(), e.data);
    GPtr<GsfOutput> child(gsf_outfile_new_child(dir, e.name.c_str(), TRUE));
    if (!child) return false;
    bool ok = true;
    for (const OleEntry& c : e.children) ok = ok && WriteEntry(GSF_OUTFILE(child.get()), c);
    return gsf_output_close(child.get()) && ok;
}

}  // namespace

ReadStatus ReadOle(std::string_view bytes, OleFile& out) {
    InitGsf();
    out = OleFile{};
    GPtr<GsfInput> input(
        gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()), bytes.size(), FALSE));
    GError* err = nullptr;
    GPtr<GsfInfile> ole(gsf_infile_msole_new(input.get(), &err));
    if (err) g_error_free(err);
    if (!ole) return ReadStatus::NotOle;
    gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(ole.get()), out.classId.data());
    return ReadTop(ole.get(), out);
}

bool BuildOle(const OleFile& file, std::string& bytes) {
    InitGsf();
    GPtr<GsfOutput> sink(gsf_output_memory_new());
    GPtr<GsfOutfile> ole(gsf_outfile_msole_new(sink.get()));
    if (!ole) return false;
    gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(ole.get()), file.classId.data());
    bool ok = WriteStream(ole.get(), "Workbook", file.workbook);
    for (const OleEntry& e : file.others) ok = ok && WriteEntry(ole.get(), e);
    ok = gsf_output_close(GSF_OUTPUT(ole.get())) && ok;
    ole.reset();
    if (!ok) return false;
    const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    bytes.assign(reinterpret_cast<const char*>(data), static_cast<size_t>(gsf_output_size(sink.get())));
    return true;
}

OleFile NewWorkbookContainer() {
    OleFile f;
    f.classId = kExcelClassId;
    return f;
}

}  // namespace dorvik::xls

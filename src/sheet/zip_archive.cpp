#include "sheet/zip_archive.h"

#include <gsf/gsf.h>

#include <algorithm>

namespace dorvik::zip {
namespace {

std::vector<std::string> Segments(const std::string& path) {
    std::vector<std::string> out;
    for (size_t p = 0; p <= path.size();) {
        size_t q = path.find('/', p);
        if (q == std::string::npos) q = path.size();
        if (q > p) out.push_back(path.substr(p, q - p));
        p = q + 1;
    }
    return out;
}

GsfInput* Child(GsfInfile* root, const std::string& path) {
    std::vector<std::string> names = Segments(path);
    std::vector<const char*> list;
    for (const std::string& n : names) list.push_back(n.c_str());
    list.push_back(nullptr);
    return names.empty() ? nullptr : gsf_infile_child_by_aname(root, list.data());
}

// A fixed time stamp keeps the archive the same from one write to the next.
GDateTime* FixedTime() {
    static GDateTime* t = g_date_time_new_utc(1980, 1, 1, 0, 0, 0);
    return t;
}

GsfOutput* NewChild(GsfOutfile* parent, const std::string& name, bool dir, int method) {
    if (dir)
        return gsf_outfile_new_child_full(parent, name.c_str(), TRUE, "modtime", FixedTime(),
                                          nullptr);
    return gsf_outfile_new_child_full(parent, name.c_str(), FALSE, "compression-level", method,
                                      "modtime", FixedTime(), nullptr);
}

// Opens (once) the folders leading to a part and returns the innermost one.
GsfOutfile* Folder(GsfOutfile* root, const std::vector<std::string>& segs,
                   std::vector<std::pair<std::string, GsfOutfile*>>& open) {
    GsfOutfile* at = root;
    std::string key;
    for (size_t i = 0; i + 1 < segs.size(); ++i) {
        key += segs[i] + "/";
        auto it =
            std::find_if(open.begin(), open.end(), [&](const auto& e) { return e.first == key; });
        if (it == open.end()) {
            open.emplace_back(key, GSF_OUTFILE(NewChild(at, segs[i], true, 0)));
            it = open.end() - 1;
        }
        at = it->second;
    }
    return at;
}

bool WritePart(GsfOutfile* folder, const std::string& name, const std::string& data, int method) {
    GsfOutput* out = NewChild(folder, name, false, method);
    if (!out) return false;
    bool ok = gsf_output_write(out, data.size(), reinterpret_cast<const guint8*>(data.data()));
    ok = gsf_output_close(out) && ok;
    g_object_unref(out);
    return ok;
}

}  // namespace

struct ZipReader::Impl {
    GsfInput* input = nullptr;
    GsfInfile* root = nullptr;
    size_t read = 0;
};

ZipReader::ZipReader(std::string_view bytes) : impl_(std::make_unique<Impl>()) {
    gsf_init();
    impl_->input = gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                        static_cast<gsf_off_t>(bytes.size()), FALSE);
    if (impl_->input) impl_->root = gsf_infile_zip_new(impl_->input, nullptr);
}

ZipReader::~ZipReader() {
    if (impl_->root) g_object_unref(impl_->root);
    if (impl_->input) g_object_unref(impl_->input);
}

bool ZipReader::IsOpen() const {
    return impl_->root != nullptr;
}

PartRead ZipReader::Read(const std::string& path, std::string& out) {
    out.clear();
    GsfInput* part = impl_->root ? Child(impl_->root, path) : nullptr;
    if (!part) return PartRead::Missing;
    gsf_off_t size = gsf_input_size(part);
    PartRead r = PartRead::Ok;
    if (size < 0 || static_cast<size_t>(size) > kMaxPartBytes ||
        impl_->read + static_cast<size_t>(size) > kMaxTotalBytes) {
        r = PartRead::TooLarge;
    } else {
        out.resize(static_cast<size_t>(size));
        impl_->read += out.size();
        if (!out.empty() &&
            !gsf_input_read(part, out.size(), reinterpret_cast<guint8*>(out.data())))
            r = PartRead::Damaged;
    }
    g_object_unref(part);
    return r;
}

bool BuildZip(const std::vector<Part>& parts, bool storeFirst, std::string& bytes) {
    gsf_init();
    GsfOutput* sink = gsf_output_memory_new();
    GsfOutfile* root = gsf_outfile_zip_new(sink, nullptr);
    bool ok = root != nullptr;
    std::vector<std::pair<std::string, GsfOutfile*>> open;
    for (size_t i = 0; ok && i < parts.size(); ++i) {
        std::vector<std::string> segs = Segments(parts[i].path);
        int method = storeFirst && i == 0 ? GSF_ZIP_STORED : GSF_ZIP_DEFLATED;
        ok = !segs.empty() &&
             WritePart(Folder(root, segs, open), segs.back(), parts[i].data, method);
    }
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        ok = gsf_output_close(GSF_OUTPUT(it->second)) && ok;
        g_object_unref(it->second);
    }
    if (root) {
        ok = gsf_output_close(GSF_OUTPUT(root)) && ok;
        g_object_unref(root);
    }
    ok = gsf_output_close(sink) && ok;
    if (ok) {
        const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink));
        bytes.assign(reinterpret_cast<const char*>(data),
                     static_cast<size_t>(gsf_output_size(sink)));
    }
    g_object_unref(sink);
    return ok;
}

}  // namespace dorvik::zip

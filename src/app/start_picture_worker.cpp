#include "app/start_picture_worker.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "app/data_dir.h"
#include "model/config_dir.h"

namespace dorvik {
namespace {

constexpr long kConnectTimeoutS = 20;
constexpr long kStallTimeoutS = 60;
constexpr curl_off_t kMaxPictureBytes = 16 * 1024 * 1024;

struct Sink {
    int fd;
    bool failed = false;
};

size_t WriteBytes(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const size_t total = size * count;
    size_t done = 0;
    while (done < total) {
        const ssize_t n = ::write(sink->fd, data + done, total - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            sink->failed = true;
            return 0;  // makes curl stop with a write error
        }
        done += static_cast<size_t>(n);
    }
    return total;
}

int CheckStop(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* stop = static_cast<const std::atomic<bool>*>(user);
    return stop && stop->load() ? 1 : 0;
}

// The curl transfer into fd; true when it completed with bytes.
bool Transfer(const std::string& url, int fd, const std::atomic<bool>* stop) {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    CURL* curl = curl_easy_init();
    if (!curl) return false;
    Sink sink{fd};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp,ftps");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutS);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kStallTimeoutS);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, kMaxPictureBytes);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBytes);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, CheckStop);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, stop);
    const CURLcode code = curl_easy_perform(curl);
    curl_off_t bytes = 0;
    curl_easy_getinfo(curl, CURLINFO_SIZE_DOWNLOAD_T, &bytes);
    curl_easy_cleanup(curl);
    return code == CURLE_OK && !sink.failed && bytes > 0;
}

bool IsExtension(const std::string& ext) {
    if (ext.empty() || ext.size() > 8) return false;
    for (unsigned char c : ext) {
        if (!std::isalnum(c)) return false;
    }
    return true;
}

}  // namespace

std::string StartPictureAddress() {
    const char* v = std::getenv("DORVIK_START_PICTURE_URL");
    return v ? std::string(v) : std::string();
}

std::string StartPictureFileName(const std::string& url) {
    const auto scheme = url.find("://");
    const auto pathStart = url.find('/', scheme == std::string::npos ? 0 : scheme + 3);
    std::string file = pathStart == std::string::npos ? std::string() : url.substr(pathStart);
    file = file.substr(file.find_last_of('/') + 1);
    const auto dot = file.find_last_of('.');
    const std::string ext = dot == std::string::npos ? std::string() : file.substr(dot + 1);
    return "newstart." + (IsExtension(ext) ? ext : std::string("jpg"));
}

bool DownloadStartPicture(const std::string& url, const std::string& dir,
                          const std::atomic<bool>* stop) {
    if (url.empty() || !MakeDirs(dir)) return false;
    std::string temp = JoinPath(dir, ".newstart-XXXXXX");
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = Transfer(url, fd, stop) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = std::rename(temp.c_str(), JoinPath(dir, StartPictureFileName(url)).c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

StartPictureWorker::~StartPictureWorker() {
    stop_->store(true);
    if (thread_.joinable()) thread_.join();
}

bool StartPictureWorker::Start(const std::string& url, const std::string& dir) {
    if (url.empty() || thread_.joinable()) return false;
    std::promise<bool> promise;
    result_ = promise.get_future();
    thread_ = std::thread([url, dir, stop = stop_, promise = std::move(promise)]() mutable {
        promise.set_value(DownloadStartPicture(url, dir, stop.get()));
    });
    return true;
}

bool StartPictureWorker::Wait() {
    if (!result_.valid()) return false;
    const bool ok = result_.get();
    thread_.join();
    return ok;
}

}  // namespace dorvik

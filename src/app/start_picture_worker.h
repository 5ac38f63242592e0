#pragma once
// Downloads a new start picture from an FTP address (user name and password
// may be part of it) into the data folder, on a thread of its own that
// shares nothing but a stop request. Failures are silent and change nothing.
#include <atomic>
#include <future>
#include <memory>
#include <string>
#include <thread>

namespace dorvik {

// The address of the start picture: $DORVIK_START_PICTURE_URL, else none
// (and with none nothing touches the network).
std::string StartPictureAddress();

// "newstart." + the extension of the address's file name, or "newstart.jpg"
// when it has none (an extension is 1 to 8 letters or digits).
std::string StartPictureFileName(const std::string& url);

// Downloads url (ftp or ftps only) into dir/StartPictureFileName(url). The
// bytes go to a temporary file that takes the name only when the download
// completed with at least one byte. True on success; stop (may be null)
// ends the transfer early.
bool DownloadStartPicture(const std::string& url, const std::string& dir,
                          const std::atomic<bool>* stop = nullptr);

class StartPictureWorker {
public:
    StartPictureWorker() = default;
    // Stops a running download and waits for its thread to end.
    ~StartPictureWorker();
    StartPictureWorker(const StartPictureWorker&) = delete;
    StartPictureWorker& operator=(const StartPictureWorker&) = delete;

    // Starts the download; false, starting nothing, when url is empty or a
    // download was already started.
    bool Start(const std::string& url, const std::string& dir);
    // Waits for the download and returns its result (false when none ran).
    bool Wait();

private:
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    std::thread thread_;
    std::future<bool> result_;
};

}  // namespace dorvik

// Uploads N phone slots to the simulated unit through the real serial driver
// and prints the elapsed time beside its floor, N x (200 ms pause + the
// frame's bytes on the wire), and the longest stall of the loop thread.
//   bench_upload [--slots N]
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "loop/event_loop.h"
#include "pages/main_frame.h"
#include "platform/clock.h"
#include "platform/null_seams.h"
#include "protocol/catalogue.h"
#include "scratch_dir.h"
#include "transport/device_links.h"
#include "unitsim_process.h"

namespace {

using namespace dorvik;

class QuietBox : public MessageBox {
public:
    MsgAnswer Show(const std::string& text, const std::string&, MsgIcon, MsgButtons) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return MsgAnswer::Ok;
    }
};

int SlotsFromArgs(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--slots") == 0) return std::max(1, std::atoi(argv[i + 1]));
    return 200;
}

}  // namespace

int main(int argc, char** argv) {
    const int slots = SlotsFromArgs(argc, argv);
    test::ScratchDir dir;
    if (dir.path().empty()) return 1;
    test::UnitSimProcess unit({"--houses", "1000"});
    if (unit.Device().empty()) return 1;

    EventLoop loop;
    QuietBox boxes;
    NullFileChooser files;
    NullProgressBar progress;
    NullIndicator led;
    NullStatusPane status;
    SystemClock clock;
    DeviceLinks links(loop, boxes);
    CMainFrame frame({loop, loop, boxes, files, progress, led, status, clock, links.serial,
                      links.modem},
                     dir.File("DORVIK.ini"));
    ConnectionSettings s = frame.Settings();
    s.password = "482915";
    s.unitId = "1";
    frame.ApplyConnectionSettings(s);
    frame.SetDeviceOverride(unit.Device());
    frame.OnConnect();
    if (!loop.RunUntil([&] { return frame.Model().phones.Size() == 2000; }, std::chrono::seconds(10)))
        return 1;

    std::size_t frameBytes = 0;
    for (int i = 0; i < slots; ++i) {
        std::string number = "1390000" + std::to_string(1000 + i);
        frame.Model().phones.SetEntry(number, "", i, RowStatus::Pending);
        frameBytes += WithLineEnd(WritePhoneSlot(s.password, i + 1, number)).size();
    }
    loop.ResetStall();
    auto start = std::chrono::steady_clock::now();
    frame.Phone().OnDownloadAll();
    bool done = loop.RunUntil(
        [&] { return frame.Model().phones.Status(slots - 1) == RowStatus::InUnit; },
        std::chrono::seconds(slots));
    double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double floor = slots * 0.2 + frameBytes * 10.0 / s.baud;
    std::printf("slots %d%s\nelapsed %.3f s\nfloor   %.3f s (%d x 200 ms + %zu bytes x 10 / %d baud)\n"
                "ratio   %.3f\nper slot beyond the pause %.2f ms\nlongest stall %.1f ms\n",
                slots, done ? "" : " (not finished)", elapsed, floor, slots, frameBytes, s.baud,
                elapsed / floor, (elapsed - (slots - 1) * 0.2) * 1000.0 / slots,
                loop.LongestStall().count() / 1000.0);
    return done ? 0 : 1;
}

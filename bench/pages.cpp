// Cost of the list pages' whole-list work: 2000 Set operations, a search by
// name over 2000 slots, and a read-all of 2000 lines through the reply
// handlers (no wire: the lines go straight into the connection engine).
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "platform/null_seams.h"
#include "platform/quiet_seams.h"
#include "pages/list_page_set.h"
#include "protocol/catalogue.h"

namespace dorvik {
namespace {

constexpr int kSlots = 2000;
constexpr double kWholeListLimitMs = 10.0;

struct Bench {
    Bench()
        : engine({serial, timers, boxes, led, progress, status}),
          handlers(model, engine),
          pages(engine, model) {
        LinkParams p;
        p.password = "1234";
        p.unitId = "1";
        p.port.port = 1;
        engine.SetParams(p);
        engine.SetReplySink(&handlers);
        handlers.SetPages(pages.Replies());
        engine.OnConnectCommand();
    }

    UnitModel model;
    QuietLink serial;
    IdleTimers timers;
    OkBoxes boxes;
    NullIndicator led;
    NullProgressBar progress;
    NullStatusPane status;
    ConnectionEngine engine;
    ReplyHandlers handlers;
    ListPageSet pages;
};

// Runs `work` once and prints its whole cost and its cost per operation.
// The work makes `passes` passes over the whole list; each must stay below the limit.
void Measure(const char* what, int operations, int passes, const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - start;
    const double perPass = ms.count() / passes;
    std::printf("%-32s %9.3f ms whole %9.3f us/op %8.3f ms/pass %s\n", what, ms.count(),
                1000.0 * ms.count() / operations, perPass,
                perPass < kWholeListLimitMs ? "ok" : "SLOW");
}

std::string Number(int i) { return "139" + std::to_string(10000000 + i); }

void SetAll(Bench& b) {
    CPhone& page = b.pages.phone;
    for (int i = 1; i <= kSlots; ++i) {
        page.Form() = {std::to_string(i), Number(i), "User " + std::to_string(i)};
        page.OnSet();
    }
}

void SearchLastName(Bench& b, int searches) {
    CPhone& page = b.pages.phone;
    for (int i = 0; i < searches; ++i) {
        page.Form().name = "User " + std::to_string(kSlots);
        page.OnSearchName();
    }
}

void ReadAll(Bench& b) {
    b.pages.phone.OnGetFromUnit();
    for (int i = 1; i <= kSlots; ++i) {
        const std::string line = "WHL" + std::to_string(i) + " IS " + Number(i) + "\n";
        for (unsigned char c : line) b.engine.OnReplyByte(c);
    }
}

}  // namespace
}  // namespace dorvik

int main() {
    using namespace dorvik;
    Bench b;
    // Each Set scans the list for the number; a search scans it once; a
    // read-all is one pass of 2000 lines.
    Measure("2000 x Set (phone page)", kSlots, kSlots, [&] { SetAll(b); });
    Measure("search by name over 2000 slots", 1, 1, [&] { SearchLastName(b, 1); });
    Measure("100 x search by name", 100, 100, [&] { SearchLastName(b, 100); });
    Measure("read-all of 2000 lines", kSlots, 1, [&] { ReadAll(b); });
    std::printf("phone list: %s\n", b.pages.phone.UsedText().c_str());
    return 0;
}

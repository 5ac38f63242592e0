#include "unitsim/options.h"

#include <array>
#include <string_view>

#include "unitsim/text_fields.h"

namespace dorvik::unitsim {
namespace {

using V = const std::string&;
using Setter = bool (*)(Options&, V);

// Sets target from a whole decimal number in low..high.
bool Number(int& target, const std::string& text, int low, int high) {
    const auto value = ToNumber(text);
    if (!value || *value < low || *value > high) return false;
    target = static_cast<int>(*value);
    return true;
}

constexpr int kMax = 100000000;

struct Flag {
    std::string_view name;
    bool takesValue;
    Setter set;
};

constexpr std::array kFlags{
    Flag{"--help", false, [](Options& o, V) { return o.help = true; }},
    Flag{"--password", true, [](Options& o, V v) { o.unit.password = v; return !v.empty(); }},
    Flag{"--unit-id", true, [](Options& o, V v) { o.unit.unitId = v; return true; }},
    Flag{"--houses", true, [](Options& o, V v) { return Number(o.unit.houses, v, 1, 100000); }},
    Flag{"--seed-phones", true, [](Options& o, V v) { return Number(o.unit.seedPhones, v, 0, kMax); }},
    Flag{"--log-rows", true, [](Options& o, V v) { return Number(o.unit.logRows, v, 0, 1000000); }},
    Flag{"--multi-relay", false, [](Options& o, V) { return o.unit.multiRelay = true; }},
    Flag{"--link", true, [](Options& o, V v) { o.linkPath = v; return !v.empty(); }},
    Flag{"--journal", true, [](Options& o, V v) { o.journalPath = v; return !v.empty(); }},
    Flag{"--crlf", false, [](Options& o, V) { return o.link.crlf = true; }},
    Flag{"--delay-ms", true, [](Options& o, V v) { return Number(o.link.delayMs, v, 0, kMax); }},
    Flag{"--byte-delay-ms", true, [](Options& o, V v) { return Number(o.link.byteDelayMs, v, 0, kMax); }},
    Flag{"--silent-after", true, [](Options& o, V v) { return Number(o.faults.silentAfter, v, 0, kMax); }},
    Flag{"--silent-once", false, [](Options& o, V) { return o.faults.silentOnce = true; }},
    Flag{"--garbage", false, [](Options& o, V) { return o.faults.garbage = true; }},
    Flag{"--hangup-after", true, [](Options& o, V v) { return Number(o.faults.hangupAfter, v, 1, kMax); }},
};

}  // namespace

const char kUsage[] =
    "Usage: dorvik-unitsim [options]\n"
    "Simulated GSM access-control unit on a pseudo-terminal. The first line on\n"
    "standard output is the slave device to open as the serial port.\n"
    "\n"
    "Unit:\n"
    "  --password PW        unit password (default 482915); commands with\n"
    "                       another password get no answer\n"
    "  --unit-id ID         answer PROG-RF/PROG-QUIT for this ID only (default: any)\n"
    "  --houses N           number of houses (default 400); phone slots are 2 x N\n"
    "  --multi-relay        answer STATUS? as the seven-relay unit\n"
    "  --seed-phones N      fill phone slots 1..N with demo numbers\n"
    "  --log-rows N         fill the call log with N demo rows\n"
    "Line:\n"
    "  --link PATH          symbolic link to the slave device (removed on exit)\n"
    "  --journal FILE       append every received line to FILE\n"
    "  --crlf               end answer lines with CR LF instead of LF\n"
    "  --delay-ms N         wait N ms before each answer\n"
    "  --byte-delay-ms N    send answers one byte at a time, N ms apart\n"
    "Faults:\n"
    "  --silent-after N     answer the first N commands, then none\n"
    "  --silent-once        ignore the first command, answer its resend\n"
    "  --garbage            noise lines (random bytes, empty lines) before answers\n"
    "  --hangup-after N     close the line and exit after the N-th command\n"
    "  --help               this text\n";

std::optional<Options> ParseOptions(int argc, const char* const* argv, std::string* error) {
    const auto fail = [error](std::string why) -> std::optional<Options> {
        *error = std::move(why);
        return std::nullopt;
    };
    Options options;
    for (int i = 0; i < argc; ++i) {
        const std::string_view name = argv[i];
        const Flag* flag = nullptr;
        for (const Flag& f : kFlags) flag = f.name == name ? &f : flag;
        if (!flag) return fail("unknown option " + std::string(name));
        if (flag->takesValue && i + 1 >= argc) return fail(std::string(name) + " needs a value");
        const std::string value = flag->takesValue ? argv[++i] : "";
        if (!flag->set(options, value)) return fail("bad value for " + std::string(name));
    }
    return options;
}

}  // namespace dorvik::unitsim

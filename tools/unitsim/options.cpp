#include "unitsim/options.h"

#include <algorithm>
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

// Digits with an optional leading "+"; the empty text only when allowed.
bool Digits(std::string& target, const std::string& text, bool mayBeEmpty) {
    target = text;
    return (mayBeEmpty && text.empty()) || IsDigits(std::string_view(text).substr(text.starts_with('+') ? 1 : 0));
}

bool Storage(std::string& target, const std::string& text) {
    target = text;
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool Prompt(PromptForm& target, const std::string& text) {
    constexpr std::pair<std::string_view, PromptForm> kForms[] = {
        {"blank", PromptForm::Blank}, {"bare", PromptForm::Bare},
        {"line", PromptForm::Line},   {"none", PromptForm::None}};
    for (const auto& [name, form] : kForms)
        if (text == name) return target = form, true;
    return false;
}

struct Flag {
    std::string_view name;
    bool takesValue;
    Setter set;
};

constexpr std::array kFlags{
    Flag{"--help", false, [](Options& o, V) { return o.help = true; }},
    Flag{"--version", false, [](Options& o, V) { return o.version = true; }},
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
    Flag{"--modem", false, [](Options& o, V) { return o.modem = true; }},
    Flag{"--unit-phone", true, [](Options& o, V v) { return Digits(o.modemOptions.unitPhone, v, false); }},
    Flag{"--sender-prefix", true, [](Options& o, V v) { return Digits(o.modemOptions.senderPrefix, v, true); }},
    Flag{"--pdu", false, [](Options& o, V) { return o.modemOptions.pdu = true; }},
    Flag{"--ucs2", false, [](Options& o, V) { return o.modemOptions.ucs2 = true; }},
    Flag{"--echo-off", false, [](Options& o, V) { return o.modemOptions.echoOff = true; }},
    Flag{"--cms-error", true, [](Options& o, V v) { return Number(o.modemOptions.cmsErrorStep, v, 1, kMax); }},
    Flag{"--foreign-sms", false, [](Options& o, V) { return o.modemOptions.foreignSms = true; }},
    Flag{"--urc", false, [](Options& o, V) { return o.modemOptions.urc = true; }},
    Flag{"--slow-ms", true, [](Options& o, V v) { return Number(o.modemOptions.slowMs, v, 0, kMax); }},
    Flag{"--cmti-storage", true, [](Options& o, V v) { return Storage(o.modemOptions.cmtiStorage, v); }},
    Flag{"--prompt", true, [](Options& o, V v) { return Prompt(o.modemOptions.prompt, v); }},
    Flag{"--sim-full", false, [](Options& o, V) { return o.modemOptions.simFull = true; }},
    Flag{"--cmti-nospace", false, [](Options& o, V) { return o.modemOptions.cmtiNoSpace = true; }},
    Flag{"--cmgr-alias", false, [](Options& o, V) { return o.modemOptions.cmgrAlias = true; }},
    Flag{"--cmgr-extra", false, [](Options& o, V) { return o.modemOptions.cmgrExtra = true; }},
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
    "Modem (the unit behind a GSM modem; the faults above apply to the commands\n"
    "the unit receives by short message, --garbage and the line options not):\n"
    "  --modem              answer AT commands as a GSM modem; a short message to\n"
    "                       the unit's number goes to the unit, and each line of\n"
    "                       its answer comes back as one new message (+CMTI)\n"
    "  --unit-phone NUMBER  the unit's number (default 13900002222)\n"
    "  --sender-prefix P    shown before the unit's number as sender, e.g. +86\n"
    "  --pdu                start in PDU mode (AT+CMGF switches either way)\n"
    "  --ucs2               PDU mode: the unit's messages always in UCS2\n"
    "  --slow-ms N          wait N ms before each answer (not before the echo)\n"
    "  --echo-off           no command echo, as after ATE0\n"
    "  --cms-error N        answer step N with +CMS ERROR: 500; steps count every\n"
    "                       command line and every message body, from 1\n"
    "  --foreign-sms        a message from 10086 arrives before the unit's first answer\n"
    "  --urc                RING, +CREG: 1, +CSQ: 20,0 in turn before each final answer\n"
    "  --cmti-storage S     storage new messages go to and +CMTI names (default SM;\n"
    "                       reads and deletions use the one AT+CPMS selects, SM first)\n"
    "  --prompt FORM        the prompt after AT+CMGS: blank \"> \" (default), bare \">\",\n"
    "                       line \">\" and CR LF, or none (text entry without prompt)\n"
    "  --sim-full           the SIM starts full of the unit's old answers\n"
    "  --cmti-nospace       no blank after \"+CMTI:\"\n"
    "  --cmgr-alias         fill the alias field of +CMGR\n"
    "  --cmgr-extra         text-mode parameters in +CMGR, as after AT+CSDH=1\n"
    "  --help               this text\n"
    "  --version            print the version\n";

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
    if (!options.modem && !(options.modemOptions == ModemOptions{})) return fail("modem options need --modem");
    return options;
}

}  // namespace dorvik::unitsim

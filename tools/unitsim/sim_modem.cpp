#include "unitsim/sim_modem.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "unitsim/gsm_pdu.h"
#include "unitsim/local_text.h"
#include "unitsim/text_fields.h"

namespace dorvik::unitsim {
namespace {

constexpr char kCtrlZ = 0x1A;
constexpr char kEscape = 0x1B;
constexpr std::size_t kMaxLine = 512;
constexpr std::size_t kMaxBody = 1024;
constexpr char kForeignSender[] = "10086";
constexpr char kForeignBody[] = "Balance 12.50 CNY. Thank you for using our service";
constexpr std::array<std::string_view, 3> kUrcs{"RING", "+CREG: 1", "+CSQ: 20,0"};

std::string Ok(const std::string& info = "") { return (info.empty() ? "" : "\r\n" + info + "\r\n") + "\r\nOK\r\n"; }
std::string Error() { return "\r\nERROR\r\n"; }
std::string CmsError(int code) { return "\r\n+CMS ERROR: " + std::to_string(code) + "\r\n"; }

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// "=0" or "=1" sets the flag, "?" shows it.
std::string Switch(bool& flag, std::string_view rest, const std::string& name) {
    if (rest == "?") return Ok(name + ": " + (flag ? "1" : "0"));
    if (rest != "=0" && rest != "=1") return Error();
    flag = rest == "=1";
    return Ok();
}

std::string SetEcho(bool& echo, bool on) {
    echo = on;
    return Ok();
}

// Zero-pause bytes join the output before them.
void Push(Outputs& out, int pauseMs, std::string bytes) {
    if (pauseMs == 0 && !out.empty()) {
        out.back().bytes += bytes;
    } else {
        out.push_back({pauseMs, std::move(bytes)});
    }
}

// The index of "=<n>" or "=<n>,0".
std::optional<int> IndexArgument(std::string_view rest) {
    if (!rest.starts_with('=')) return std::nullopt;
    rest.remove_prefix(1);
    if (rest.ends_with(",0")) rest.remove_suffix(2);
    const auto value = ToNumber(rest);
    if (!IsDigits(rest) || !value || *value > 100000) return std::nullopt;
    return static_cast<int>(*value);
}

// Numbers match when equal or when one ends with all of the other's (at
// least seven) digits, so a national number matches its international form.
bool SameNumber(std::string_view a, std::string_view b) {
    if (a.starts_with('+')) a.remove_prefix(1);
    if (b.starts_with('+')) b.remove_prefix(1);
    if (a.size() > b.size()) std::swap(a, b);
    return a == b || (a.size() >= 7 && b.ends_with(a));
}

}  // namespace

struct SimModem::Row {
    std::string_view name;
    bool announces;  // a waiting message may be announced after the answer
    std::string (*run)(SimModem&, std::string_view rest);
};

const SimModem::Row SimModem::kRows[] = {
    {"AT", true, [](SimModem&, std::string_view r) { return r.empty() ? Ok() : Error(); }},
    {"ATZ", true, [](SimModem&, std::string_view) { return Ok(); }},
    {"ATE", true, [](SimModem& m, std::string_view) { return SetEcho(m.echo_, false); }},
    {"ATE0", true, [](SimModem& m, std::string_view) { return SetEcho(m.echo_, false); }},
    {"ATE1", true, [](SimModem& m, std::string_view) { return SetEcho(m.echo_, true); }},
    {"AT+CMGF", true, [](SimModem& m, std::string_view r) { return Switch(m.textMode_, r, "+CMGF"); }},
    {"AT+CSDH", true, [](SimModem& m, std::string_view r) { return Switch(m.extra_, r, "+CSDH"); }},
    {"AT+CNMI", true, [](SimModem&, std::string_view r) { return r.starts_with('=') ? Ok() : Error(); }},
    {"AT+CMGS", true, [](SimModem& m, std::string_view r) { return m.StartSend(r); }},
    {"AT+CMGR", false, [](SimModem& m, std::string_view r) { return m.Read(r); }},
    {"AT+CMGD", true, [](SimModem& m, std::string_view r) { return m.Delete(r); }},
    {"AT+CMGL", true, [](SimModem& m, std::string_view r) { return m.List(r); }},
    {"AT+CPMS", true, [](SimModem& m, std::string_view r) { return m.Storages(r); }},
};

SimModem::SimModem(const ModemOptions& options, SimUnit& unit, FaultPlan& faults, std::ostream* journal, Now now)
    : options_(options), unit_(unit), faults_(faults), journal_(journal), now_(std::move(now)),
      echo_(!options.echoOff), textMode_(!options.pdu), extra_(options.cmgrExtra) {
    if (!options.simFull) return;
    const std::time_t earlier = now_() - 86400;
    for (int slot = 1; slot <= MessageStore::kSlots; ++slot) {
        const std::string body = "WHL" + std::to_string(1000 + slot).substr(1) + " SET TO 1390000" +
                                 std::to_string(1000 + slot).substr(1) + " OK";
        stores_["SM"].Add({options.senderPrefix + options.unitPhone, body, earlier, true});
    }
}

Outputs SimModem::Receive(std::string_view bytes) {
    Outputs out;
    for (std::size_t i = 0; i < bytes.size() && !hangup_; ++i) {
        if (inBody_) {
            OnBodyByte(bytes[i], out);
        } else {
            OnCommandByte(bytes[i], out);
        }
    }
    return out;
}

int SimModem::QuietMs() const { return waiting_.empty() || inBody_ ? -1 : kQuietMs; }

Outputs SimModem::OnQuiet() {
    std::string announcement = Announce();
    return announcement.empty() ? Outputs{} : Outputs{{0, std::move(announcement)}};
}

// A command ends with CR (or a lone LF); the LF after the CR is no command.
void SimModem::OnCommandByte(char c, Outputs& out) {
    if (c == '\r' || c == '\n') {
        if (!line_.empty()) RunCommand(std::exchange(line_, std::string()), out);
    } else if (c != '\0' && c != kEscape && line_.size() < kMaxLine) {
        line_ += c;
    }
}

void SimModem::OnBodyByte(char c, Outputs& out) {
    if (c == kCtrlZ) return Answer(EndBody(), true, out);
    if (c == kEscape) {
        if (journal_) *journal_ << "<ESC>\n" << std::flush;
        inBody_ = false;
        body_.clear();
        return Answer(Ok(), true, out);
    }
    if ((c == '\r' || c == '\n') && body_.empty()) return;  // the line end of AT+CMGS
    if (body_.size() <= kMaxBody) body_ += c;
    if (echo_) Push(out, 0, std::string(1, c));
}

void SimModem::RunCommand(const std::string& line, Outputs& out) {
    if (journal_) *journal_ << line << '\n' << std::flush;
    if (echo_) Push(out, 0, line + "\r");
    const std::string upper = Upper(line);
    const std::string name = upper.substr(0, upper.find_first_of("=?"));
    const Row* row = std::find_if(std::begin(kRows), std::end(kRows), [&](const Row& r) { return r.name == name; });
    const bool known = row != std::end(kRows);
    const bool mayAnnounce = !known || row->announces;
    if (++steps_ == options_.cmsErrorStep) return Answer(CmsError(500), mayAnnounce, out);
    Answer(known ? row->run(*this, std::string_view(upper).substr(name.size())) : Error(), mayAnnounce, out);
}

// A final answer gets the unsolicited line before it and a waiting
// message's announcement after it; the prompt gets neither.
void SimModem::Answer(const std::string& text, bool mayAnnounce, Outputs& out) {
    if (inBody_) return Push(out, options_.slowMs, text);
    const std::string urc = Urc();
    Push(out, options_.slowMs, urc + text + (mayAnnounce ? Announce() : ""));
}

std::string SimModem::StartSend(std::string_view rest) {
    if (!rest.starts_with('=')) return Error();
    rest.remove_prefix(1);
    const std::size_t close = rest.find('"', 1);
    const auto length = ToNumber(rest);
    if (textMode_ && (!rest.starts_with('"') || close == std::string_view::npos)) return Error();
    if (!textMode_ && (!IsDigits(rest) || !length || *length < 1 || *length > 255)) return Error();
    destination_ = textMode_ ? std::string(rest.substr(1, close - 1)) : "";
    pduLength_ = textMode_ ? 0 : static_cast<int>(*length);
    inBody_ = true;
    switch (options_.prompt) {
        case PromptForm::Blank: return "\r\n> ";
        case PromptForm::Bare: return "\r\n>";
        case PromptForm::Line: return "\r\n>\r\n";
        case PromptForm::None: break;
    }
    return "";
}

std::string SimModem::EndBody() {
    inBody_ = false;
    const std::string body = std::exchange(body_, std::string());
    if (++steps_ == options_.cmsErrorStep) return CmsError(500);
    if (body.size() > kMaxBody) return CmsError(305);
    const auto submit = textMode_ ? std::optional<Submit>() : DecodeSubmit(body, pduLength_);
    if (!textMode_ && !submit) return CmsError(304);
    const std::string text = submit ? Utf16ToLocal(submit->text) : body;
    if (journal_) *journal_ << text << '\n' << std::flush;
    if (SameNumber(submit ? submit->destination : destination_, options_.unitPhone)) Carry(text);
    reference_ = reference_ % 255 + 1;
    return Ok("+CMGS: " + std::to_string(reference_));
}

// The network's part: the unit answers each command with its reply lines.
void SimModem::Carry(const std::string& command) {
    if (options_.foreignSms && !std::exchange(foreignSent_, true)) {
        waiting_.push_back({kForeignSender, kForeignBody, now_()});
    }
    const FaultDecision decision = faults_.OnCommand();
    hangup_ = decision.hangup;
    if (!decision.answer) return;
    for (const std::string& line : unit_.Handle(command)) {
        for (std::string& part : SplitForSms(line, options_.ucs2)) {
            waiting_.push_back({options_.senderPrefix + options_.unitPhone, std::move(part), now_()});
        }
    }
}

std::string SimModem::Read(std::string_view rest) {
    const auto index = IndexArgument(rest);
    ShortMessage* message = index ? ReadStore().Find(*index) : nullptr;
    if (!message) return index ? CmsError(321) : Error();
    return Ok(ReadAnswer(*message, {!textMode_, options_.ucs2, options_.cmgrAlias, extra_}));
}

std::string SimModem::Delete(std::string_view rest) {
    const auto index = IndexArgument(rest);
    if (!index) return Error();
    return ReadStore().Erase(*index) ? Ok() : CmsError(321);
}

// Text mode lists with a status word ("ALL" and the others alike), PDU mode
// with a status number.
std::string SimModem::List(std::string_view rest) {
    if (!rest.starts_with('=')) return Error();
    rest.remove_prefix(1);
    if (textMode_ != rest.starts_with('"')) return CmsError(302);
    std::string lines;
    for (auto& [index, message] : ReadStore().Messages())
        lines += "\r\n" + ListAnswer(index, message, {!textMode_, options_.ucs2, false, false});
    return lines + "\r\nOK\r\n";
}

std::string SimModem::Storages(std::string_view rest) {
    const auto shown = [this](const std::string& name) {
        return "\"" + name + "\"," + std::to_string(stores_[name].Messages().size()) + "," +
               std::to_string(MessageStore::kSlots);
    };
    if (rest == "?")
        return Ok("+CPMS: " + shown(readStorage_) + "," + shown(readStorage_) + "," +
                  shown(options_.cmtiStorage));
    if (!rest.starts_with("=\"")) return Error();
    const std::string name(rest.substr(2, rest.find('"', 2) - 2));
    if (name != "SM" && name != "ME" && name != "MT" && name != options_.cmtiStorage)
        return CmsError(302);
    readStorage_ = name;
    const std::string used = std::to_string(ReadStore().Messages().size()) + "," +
                             std::to_string(MessageStore::kSlots);
    return Ok("+CPMS: " + used + "," + used + "," + used);
}

std::string SimModem::Announce() {
    const auto index = waiting_.empty() ? std::nullopt : stores_[options_.cmtiStorage].Add(waiting_.front());
    if (!index) return "";
    waiting_.pop_front();
    return "\r\n+CMTI:" + std::string(options_.cmtiNoSpace ? "" : " ") + "\"" + options_.cmtiStorage + "\"," +
           std::to_string(*index) + "\r\n";
}

std::string SimModem::Urc() { return options_.urc ? "\r\n" + std::string(kUrcs[urcs_++ % kUrcs.size()]) + "\r\n" : ""; }

}  // namespace dorvik::unitsim

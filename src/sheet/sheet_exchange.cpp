#include "sheet/sheet_exchange.h"

#include <optional>

#include "sheet/sheet_kind.h"

namespace dorvik {
namespace {

ExchangeResult Cancelled() {
    return {ExchangeStatus::Cancelled, "", 0};
}

}  // namespace

bool SheetExchange::KnownKind(const std::string& path) {
    if (KindOfPath(path) != SheetKind::Unknown) return true;
    box_.Error(UnsupportedKindMessage(path));
    return false;
}

ExchangeResult SheetExchange::Export(const char* sheet, const ExportTo& run) {
    std::optional<std::string> path =
        files_.ChooseSave(kFilter, kDefaultExt, std::string(sheet) + "." + kDefaultExt);
    if (!path) return Cancelled();
    if (!KnownKind(*path)) return {ExchangeStatus::Refused, UnsupportedKindMessage(*path), 0};
    return run(*path);
}

// No sheet to read ends the import; ChooseSheet has told the user why.
ExchangeResult SheetExchange::Import(const char* sheet, const ImportFrom& run) {
    std::optional<std::string> path = files_.ChooseOpen(kFilter, kDefaultExt);
    if (!path) return Cancelled();
    if (!KnownKind(*path)) return {ExchangeStatus::Refused, UnsupportedKindMessage(*path), 0};
    std::optional<std::string> chosen = ChooseSheet(*path, sheet, sheets_, box_);
    return chosen ? run(*path, *chosen) : Cancelled();
}

ExchangeResult SheetExchange::ExportPhones(const PhoneList& list) {
    return Export(kPhoneSheet,
                  [&](const std::string& path) { return ExportPhoneList(list, path, progress_); });
}

ExchangeResult SheetExchange::ExportSpecials(const SpecialList& list) {
    return Export(kSpecialSheet, [&](const std::string& path) {
        return ExportSpecialList(list, path, progress_);
    });
}

ExchangeResult SheetExchange::ExportHouses(const HouseList& list) {
    return Export(kHouseSheet,
                  [&](const std::string& path) { return ExportHouseList(list, path, progress_); });
}

ExchangeResult SheetExchange::ExportLog(const CallLog& log) {
    return Export(kLogSheet,
                  [&](const std::string& path) { return dorvik::ExportLog(log, path, progress_); });
}

ExchangeResult SheetExchange::ImportPhones(PhoneList& list) {
    return Import(kPhoneSheet, [&](const std::string& path, const std::string& sheet) {
        return ImportPhoneList(list, path, sheet, progress_, box_);
    });
}

ExchangeResult SheetExchange::ImportSpecials(SpecialList& list) {
    return Import(kSpecialSheet, [&](const std::string& path, const std::string& sheet) {
        return ImportSpecialList(list, path, sheet, progress_, box_);
    });
}

ExchangeResult SheetExchange::ImportHouses(HouseList& list) {
    return Import(kHouseSheet, [&](const std::string& path, const std::string& sheet) {
        return ImportHouseList(list, path, sheet, progress_, box_);
    });
}

}  // namespace dorvik

#include "unitsim/modem.h"

#include <gtest/gtest.h>

#include <random>

namespace dorvik::unitsim {
namespace {

// Arbitrary bytes mixed with pieces of real exchanges, in both modes: the
// modem answers something or nothing, and never reads past what it holds.
TEST(UnitsimModemLogic, SurvivesArbitraryBytes) {
    const std::vector<std::string> pieces{"AT+CMGS=\"13900002222\"\r", "AT+CMGS=28\r", "AT+CMGF=0\r", "AT+CMGF=1\r",
                                          "AT+CMGR=1\r", "AT+CMGD=1\r", "#PWD482915#CSQ?", "\x1A", "\x1B",
                                          "0011000B813109002022F20000AA0F23E89548C3C972B1DA68388DFE00"};
    SimUnit unit({});
    FaultPlan faults({});
    SimModem modem({.foreignSms = true, .urc = true, .cmgrExtra = true}, unit, faults, nullptr, [] { return 0; });
    std::mt19937 random(5);
    std::size_t written = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string bytes = pieces[random() % pieces.size()];
        if (random() % 3 == 0) bytes = std::string(random() % 40, static_cast<char>(random()));
        for (const Output& output : modem.Receive(bytes)) written += output.bytes.size();
        if (modem.QuietMs() >= 0 && random() % 5 == 0) (void)modem.OnQuiet();
    }
    EXPECT_GT(written, 0u);
}

}  // namespace
}  // namespace dorvik::unitsim

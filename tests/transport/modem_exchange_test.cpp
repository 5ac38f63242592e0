// Whole conversations with modems that behave differently: echo on and off,
// notifications between the awaited lines, other storages, other headers.
#include <gtest/gtest.h>

#include <random>

#include "modem_test_support.h"

namespace dorvik {
namespace {

using test::kAnswer;
using test::kCommand;
using test::kStamp;
using test::kUnitPhone;
using test::ModemRig;
using Strings = std::vector<std::string>;

const std::string kSent = kCommand + "\x1A";
const std::string kCmgs = "AT+CMGS=\"13900002222\"\r\n";

std::string Header(const std::string& fields) { return "+CMGR: " + fields + "\r\n"; }

TEST(ModemExchange, EchoOff) {
    ModemRig rig;
    rig.receiver.Start();
    EXPECT_EQ(rig.Exchange("\r\nOK\r\n"), Strings{"AT+CMGF=1\r\n"});
    EXPECT_EQ(rig.Exchange("\r\nOK\r\n"), Strings{"AT+CNMI=1,1,0,0,0\r\n"});
    EXPECT_TRUE(rig.Exchange("\r\nOK\r\n").empty());
    rig.receiver.SendMessage(kUnitPhone, kCommand);
    EXPECT_EQ(rig.Exchange("\r\n> "), Strings{kSent});
    EXPECT_TRUE(rig.Exchange("\r\n+CMGS: 17\r\n\r\nOK\r\n").empty());
    EXPECT_EQ(rig.Exchange("\r\n+CMTI: \"SM\",3\r\n"), Strings{"AT+CMGR=3\r\n"});
    EXPECT_EQ(rig.Exchange("\r\n" + Header("\"REC UNREAD\",\"+8613900002222\",," + kStamp) +
                           kAnswer + "\r\n\r\nOK\r\n"),
              Strings{"AT+CMGD=3\r\n"});
    EXPECT_TRUE(rig.Exchange("\r\nOK\r\n").empty());
    EXPECT_EQ(rig.host.bodies, Strings{kAnswer});
    EXPECT_EQ(rig.modem.State(), ModemState::Idle);
}

TEST(ModemExchange, NotificationsBetweenTheAwaitedLines) {
    ModemRig rig;
    rig.receiver.Start();
    EXPECT_EQ(rig.Exchange("AT\r\r\nRING\r\n\r\n+CREG: 1\r\n\r\nOK\r\n"), Strings{"AT+CMGF=1\r\n"});
    EXPECT_EQ(rig.Exchange("AT+CMGF=1\r\r\n+CSQ: 20,99\r\n\r\nOK\r\n"),
              Strings{"AT+CNMI=1,1,0,0,0\r\n"});
    EXPECT_TRUE(rig.Exchange("\r\nRING\r\nAT+CNMI=1,1,0,0,0\r\r\nOK\r\n").empty());
    rig.receiver.SendMessage(kUnitPhone, kCommand);
    EXPECT_EQ(rig.Exchange("AT+CMGS=\"13900002222\"\r\r\nRING\r\n\r\n> "), Strings{kSent});
    EXPECT_TRUE(rig.Exchange(kSent + "\r\n+CREG: 5\r\n\r\n+CMGS: 17\r\n\r\nOK\r\n").empty());
    EXPECT_EQ(rig.Exchange("\r\n+CSQ: 18,99\r\n\r\n+CMTI: \"SM\",3\r\n"),
              Strings{"AT+CMGR=3\r\n"});
    EXPECT_EQ(rig.Exchange("AT+CMGR=3\r\r\nRING\r\n\r\n" +
                           Header("\"REC UNREAD\",\"+8613900002222\",," + kStamp) + kAnswer +
                           "\r\n\r\n+CSQ: 21,99\r\n\r\nOK\r\n"),
              Strings{"AT+CMGD=3\r\n"});
    EXPECT_TRUE(rig.Exchange("AT+CMGD=3\r\r\n+CREG: 1\r\n\r\nOK\r\n").empty());
    EXPECT_EQ(rig.host.bodies, Strings{kAnswer});
    EXPECT_TRUE(rig.host.errors.empty());
}

TEST(ModemExchange, AnnouncementsArrivingWhileBusyAreReadInTurn) {
    ModemRig rig;
    rig.Enter(ModemState::Idle);
    rig.receiver.SendMessage(kUnitPhone, kCommand);
    EXPECT_TRUE(rig.Exchange("AT+CMGS=\"13900002222\"\r\r\n+CMTI: \"SM\",1\r\n").empty());
    EXPECT_EQ(rig.Exchange("\r\n> "), Strings{kSent});
    EXPECT_TRUE(rig.Exchange("\r\n+CMTI: \"SM\",2\r\n\r\n+CMGS: 9\r\n").empty());
    EXPECT_EQ(rig.Exchange("\r\nOK\r\n"), Strings{"AT+CMGR=1\r\n"});
    EXPECT_EQ(rig.Exchange(test::TextRead(1, "+8613900009999", "spam") +
                           "+CMTI: \"SM\",4\r\n"),
              Strings{"AT+CMGD=1\r\n"});
    EXPECT_EQ(rig.Exchange("OK\r\n"), Strings{"AT+CMGR=2\r\n"});
    // A notification that slipped in after the text is not part of it.
    EXPECT_EQ(rig.Exchange("AT+CMGR=2\r\r\n" +
                           Header("\"REC UNREAD\",\"13900002222\",," + kStamp) + kAnswer +
                           "\r\n\r\n+CMTI: \"SM\",5\r\n\r\nOK\r\n"),
              Strings{"AT+CMGD=2\r\n"});
    EXPECT_EQ(rig.Exchange("OK\r\n"), Strings{"AT+CMGR=4\r\n"});
    EXPECT_EQ(rig.Exchange("\r\nOK\r\n"), Strings{"AT+CMGD=4\r\n"});  // nothing stored there
    EXPECT_EQ(rig.Exchange("\r\nOK\r\n"), Strings{"AT+CMGR=5\r\n"});
    EXPECT_EQ(rig.host.bodies, Strings{kAnswer});
    EXPECT_EQ(rig.receiver.WaitingReads(), 0u);
}

TEST(ModemExchange, OtherStoragesAndNoBlankAfterTheColon) {
    ModemRig rig;
    rig.Enter(ModemState::Idle);
    EXPECT_EQ(rig.Exchange("+CMTI:\"ME\",4\r\n"), Strings{"AT+CMGR=4\r\n"});
    rig.Feed(test::TextRead(4, kUnitPhone, kAnswer) + "OK\r\n");
    EXPECT_EQ(rig.Exchange("\r\n+CMTI: \"MT\",21\r\n"), Strings{"AT+CMGR=21\r\n"});
    rig.Feed(test::TextRead(21, kUnitPhone, kAnswer) + "OK\r\n");
    EXPECT_EQ(rig.Exchange("+CMTI:\"SM\", 7\r\n"), Strings{"AT+CMGR=7\r\n"});
    EXPECT_EQ(rig.host.bodies, (Strings{kAnswer, kAnswer}));
}

TEST(ModemExchange, HeadersWithAndWithoutAliasAndWithShownParameters) {
    const std::string headers[] = {
        "\"REC UNREAD\",\"+8613900002222\",," + kStamp,
        "\"REC UNREAD\",\"+8613900002222\"," + kStamp,
        "\"REC READ\",\"+8613900002222\",\"Gate\"," + kStamp,
        "\"REC UNREAD\",\"+8613900002222\",," + kStamp +
            ",145,4,0,0,\"+8613800210500\",145,29",
        "\"REC UNREAD\",\"+8613900002222\",\"Gate\"," + kStamp +
            ",145,36,0,0,\"+8613800210500\",145,29",
    };
    for (const std::string& h : headers) {
        ModemRig rig;
        rig.Enter(ModemState::Read);
        rig.Feed("AT+CMGR=12\r\r\n" + Header(h) + kAnswer + "\r\n\r\nOK\r\n");
        EXPECT_EQ(rig.host.bodies, Strings{kAnswer}) << h;
    }
}

// The real driver with its monitoring thread: the modem side writes each
// answer in random chunks and the test, as the window thread, handles the
// deliveries as they come.
class LiveRig {
public:
    explicit LiveRig(unsigned seed) : rng_(seed) {
        PortSettings s;
        s.port = 6;
        s.devicePath = master.SlavePath();
        modem.OpenPort(s);
        modem.StartMonitor();
    }
    ~LiveRig() {
        modem.StopMonitor();
        queued.RunPending();  // releases a delivery still waiting
    }
    void Answer(const std::string& bytes) {
        std::uniform_int_distribution<std::size_t> size(1, 8);
        for (std::size_t at = 0; at < bytes.size();) {
            std::size_t n = std::min(size(rng_), bytes.size() - at);
            ASSERT_TRUE(master.Write(bytes.substr(at, n)));
            ASSERT_TRUE(queued.WaitForWork());
            queued.RunPending();
            at += n;
        }
    }
    template <typename Done>
    void PumpUntil(Done done) {
        while (!done()) {
            ASSERT_TRUE(queued.WaitForWork());
            queued.RunPending();
        }
    }
    // The command the modem side reads next from the line.
    std::string Command(std::size_t size) { return master.Read(size); }

    test::PtyMaster master;
    test::QueuedDispatcher queued;
    test::SyncMessageBox box;
    test::RecordingHost host;
    ModemReceiver receiver{modem, host};
    GSMModem modem{receiver, queued, box};

private:
    std::mt19937 rng_;
};

TEST(ModemExchange, RandomChunksThroughTheMonitoringThread) {
    for (unsigned seed : {1u, 2u, 3u}) {
        LiveRig rig(seed);
        auto& written = rig.host.written;
        auto writtenCount = [&](std::size_t n) { return [&written, n] { return written.size() >= n; }; };
        auto idle = [&] { return rig.modem.State() == ModemState::Idle; };

        rig.receiver.Start();
        EXPECT_EQ(rig.Command(4), "AT\r\n");
        rig.Answer("AT\r\r\nOK\r\n");
        rig.PumpUntil(writtenCount(2));
        EXPECT_EQ(rig.Command(11), "AT+CMGF=1\r\n");
        rig.Answer("AT+CMGF=1\r\r\nOK\r\n");
        rig.PumpUntil(writtenCount(3));
        EXPECT_EQ(rig.Command(19), "AT+CNMI=1,1,0,0,0\r\n");
        rig.Answer("AT+CNMI=1,1,0,0,0\r\r\nOK\r\n");
        rig.PumpUntil([&] { return rig.host.received == "AT+CNMI=1,1,0,0,0\r\r\nOK\r"; });

        rig.receiver.SendMessage(kUnitPhone, kCommand);
        EXPECT_EQ(rig.Command(kCmgs.size()), kCmgs);
        rig.Answer("AT+CMGS=\"13900002222\"\r\r\n> ");
        rig.PumpUntil(writtenCount(5));
        EXPECT_EQ(rig.Command(kSent.size()), kSent);
        rig.Answer(kSent + "\r\n+CMGS: 17\r\n\r\nOK\r\n");
        rig.PumpUntil(idle);

        rig.Answer("\r\n+CMTI: \"SM\",3\r\n");
        rig.PumpUntil(writtenCount(6));
        EXPECT_EQ(rig.Command(11), "AT+CMGR=3\r\n");
        rig.Answer(test::TextRead(3, "+8613900002222", kAnswer));
        rig.PumpUntil(writtenCount(7));
        EXPECT_EQ(rig.Command(11), "AT+CMGD=3\r\n");
        rig.Answer("AT+CMGD=3\r\r\nOK\r\n");
        rig.PumpUntil(idle);

        EXPECT_EQ(rig.host.bodies, Strings{kAnswer}) << "seed " << seed;
        EXPECT_EQ(rig.host.ready, 1);
        EXPECT_TRUE(rig.host.errors.empty());
    }
}

}  // namespace
}  // namespace dorvik

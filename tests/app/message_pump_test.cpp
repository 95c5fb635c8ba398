#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/message_pump.h"

namespace {

using platform::Message;
using platform::MessageKind;
using platform::MessagePump;
using platform::Rect;

// A clock that moves only when told to, and input that arrives at set times.
class ManualSource final : public platform::EventSource {
public:
    std::int64_t NowMs() override { return now; }
    void Poll(MessagePump& pump) override {
        while (!pending.empty() && pending.front().first <= now) {
            pump.PostInput(pending.front().second);
            pending.erase(pending.begin());
        }
    }
    void Wait(std::optional<std::int64_t> deadline) override {
        waits.push_back(deadline);
        std::optional<std::int64_t> wake = deadline;
        if (!pending.empty() && (!wake || pending.front().first < *wake)) {
            wake = pending.front().first;
        }
        ASSERT_TRUE(wake.has_value()) << "the pump would block for ever";
        now = std::max(now, *wake);
    }

    std::int64_t now = 0;
    std::vector<std::pair<std::int64_t, Message>> pending;
    std::vector<std::optional<std::int64_t>> waits;
};

class MessagePumpTest : public ::testing::Test {
protected:
    // The next message and the time it was retrieved at.
    std::pair<Message, std::int64_t> Next() {
        Message message;
        EXPECT_TRUE(pump.GetMessage(message));
        return {message, source.now};
    }

    ManualSource source;
    MessagePump pump{source};
};

TEST_F(MessagePumpTest, PeriodsBelowTenMillisecondsBecomeTen) {
    struct Case {
        std::uint32_t asked;
        std::uint32_t given;
    };
    for (const Case c : {Case{0, 10}, Case{1, 10}, Case{9, 10}, Case{10, 10}, Case{4000, 4000}}) {
        pump.SetTimer(3, c.asked);
        EXPECT_EQ(pump.TimerPeriod(3), c.given) << "asked " << c.asked;
    }
}

TEST_F(MessagePumpTest, TimerElapsesOnItsGridAndMissedElapsesCoalesce) {
    source.now = 5;
    pump.SetTimer(0, 10);  // grid 15, 25, 35, ...
    auto [first, at] = Next();
    EXPECT_EQ(first.kind, MessageKind::Timer);
    EXPECT_EQ(first.wParam, 0u);
    EXPECT_EQ(at, 15);

    source.now = 48;  // 25, 35 and 45 have passed unanswered
    auto [second, secondAt] = Next();
    EXPECT_EQ(second.kind, MessageKind::Timer);
    EXPECT_EQ(secondAt, 48);
    // Only one message for the three elapses; the next comes on the grid.
    auto [third, thirdAt] = Next();
    EXPECT_EQ(third.kind, MessageKind::Timer);
    EXPECT_EQ(thirdAt, 55);
}

TEST_F(MessagePumpTest, SettingARunningTimerRestartsItAndDropsItsPendingMessage) {
    pump.SetTimer(5, 100);
    source.now = 120;  // one message pending
    pump.SetTimer(5, 100);
    auto [message, at] = Next();
    EXPECT_EQ(message.wParam, 5u);
    EXPECT_EQ(at, 220);
}

TEST_F(MessagePumpTest, KilledTimerDeliversNothing) {
    pump.SetTimer(2, 10);
    pump.SetTimer(4, 30);
    source.now = 15;  // timer 2 pending
    pump.KillTimer(2);
    EXPECT_FALSE(pump.TimerActive(2));
    auto [message, at] = Next();
    EXPECT_EQ(message.wParam, 4u);
    EXPECT_EQ(at, 30);
}

TEST_F(MessagePumpTest, RetrievalOrderIsQuitThenInputThenPaintThenTimers) {
    pump.SetClientSize(64);
    pump.SetTimer(1, 10);
    source.now = 10;
    pump.Invalidate(Rect{0, 0, 5, 5});
    pump.PostInput(Message{MessageKind::KeyDown, 27});
    pump.PostInput(Message{MessageKind::KeyUp, 27});

    EXPECT_EQ(Next().first.kind, MessageKind::KeyDown);
    EXPECT_EQ(Next().first.kind, MessageKind::KeyUp);
    EXPECT_EQ(Next().first.kind, MessageKind::Paint);
    // Paint repeats until the window is validated.
    EXPECT_EQ(Next().first.kind, MessageKind::Paint);
    EXPECT_EQ(pump.BeginPaint(), (Rect{0, 0, 5, 5}));
    EXPECT_EQ(Next().first.kind, MessageKind::Timer);

    pump.PostInput(Message{MessageKind::KeyDown, 40});
    pump.PostQuit();
    Message message;
    EXPECT_FALSE(pump.GetMessage(message)) << "quit comes before queued input";
}

TEST_F(MessagePumpTest, PendingTimersComeInTheOrderTheyElapsed) {
    pump.SetTimer(8, 30);
    pump.SetTimer(1, 20);
    pump.SetTimer(6, 20);
    source.now = 100;
    EXPECT_EQ(Next().first.wParam, 1u);  // pending since 20, before 6 by its id
    EXPECT_EQ(Next().first.wParam, 6u);  // pending since 20
    EXPECT_EQ(Next().first.wParam, 8u);  // pending since 30
}

TEST_F(MessagePumpTest, WaitsUntilTheNextDueTimerOrForInput) {
    pump.SetTimer(0, 10);
    pump.SetTimer(1, 4000);
    Next();
    EXPECT_EQ(source.waits.back(), std::optional<std::int64_t>(10));

    pump.KillTimer(0);
    pump.KillTimer(1);
    source.pending.push_back({500, Message{MessageKind::KeyDown, 17}});
    auto [message, at] = Next();
    EXPECT_EQ(message.kind, MessageKind::KeyDown);
    EXPECT_EQ(at, 500);
    EXPECT_EQ(source.waits.back(), std::nullopt) << "with no timer it waits for input alone";
}

TEST_F(MessagePumpTest, InvalidAreaIsClippedToTheClientAndGrowsAsAUnion) {
    pump.SetClientSize(64);
    pump.Invalidate(Rect{-10, -10, 3, 4});
    pump.Invalidate(Rect{60, 50, 80, 70});
    pump.Invalidate(Rect{100, 100, 120, 120});  // wholly outside: nothing
    EXPECT_EQ(pump.BeginPaint(), (Rect{0, 0, 64, 64}));
    EXPECT_EQ(pump.BeginPaint(), Rect{});
    EXPECT_EQ(pump.NextMessageTime(), std::nullopt);
}

}  // namespace

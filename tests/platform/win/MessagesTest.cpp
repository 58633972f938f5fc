// Window messages: sent ones answer at once, posted ones arrive later and in order.
#include "platform/win/Messages.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct TMsg {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const TMsg &) const = default;
};

// A fake main window: records every message and answers through a replaceable function.
class TFakeWindow : public TMessageTarget {
public:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        Received.push_back({msg, wParam, lParam});
        return OnMessage ? OnMessage(msg, wParam, lParam) : 0;
    }
    std::vector<TMsg> Received;
    std::function<LRESULT(UINT, WPARAM, LPARAM)> OnMessage;
};

class Messages : public ::testing::Test {
protected:
    void TearDown() override {
        SetPostedMessageNotifier({});
        DeliverPostedMessages(); // nothing of one test reaches the next
    }
    TFakeWindow FMain;
    TMessageTargetRegistration FReg{&FMain};
};

TEST_F(Messages, SendAnswersWithTheHandlersResult) {
    int record = 0;
    FMain.OnMessage = [&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        return msg == WM_USER + 103 && w == 0x0001FFFF && l == 42
                   ? reinterpret_cast<LRESULT>(&record)
                   : 0;
    };
    EXPECT_EQ(reinterpret_cast<int *>(SendMessage(FReg.Handle(), 1127, 0x0001FFFF, 42)), &record);
    EXPECT_EQ(SendMessage(FReg.Handle(), 1127, 0, 42), 0);
    EXPECT_EQ(FMain.Received.size(), 2u);
    EXPECT_EQ(PostedMessageCount(), 0);
}

TEST_F(Messages, UnknownHandlesAnswerZero) {
    FMain.OnMessage = [](UINT, WPARAM, LPARAM) -> LRESULT { return 7; };
    EXPECT_EQ(SendMessage(nullptr, 1170, 0, 0), 0);
    EXPECT_EQ(PostMessage(nullptr, 1126, 0, 0), 0);

    HWND gone;
    {
        TFakeWindow other;
        TMessageTargetRegistration reg(&other);
        gone = reg.Handle();
        EXPECT_NE(gone, FReg.Handle());
    }
    EXPECT_EQ(SendMessage(gone, 1170, 0, 0), 0);
    EXPECT_EQ(PostMessage(gone, 1126, 0, 0), 0);
    EXPECT_EQ(PostedMessageCount(), 0);
    EXPECT_TRUE(FMain.Received.empty());
}

TEST_F(Messages, PostsArriveInOrderAfterTheSenderReturns) {
    TFakeWindow sender;
    TMessageTargetRegistration senderReg(&sender);
    // The sender's handler posts two refreshes and sends one look-up while it runs.
    sender.OnMessage = [&](UINT, WPARAM, LPARAM) -> LRESULT {
        EXPECT_EQ(PostMessage(FReg.Handle(), 1126, 3, 4), 1);
        EXPECT_EQ(PostMessage(FReg.Handle(), 1138, 0, 0), 1);
        SendMessage(FReg.Handle(), 1127, 1, 2);
        EXPECT_EQ(FMain.Received, (std::vector<TMsg>{{1127, 1, 2}}));
        return 1;
    };
    EXPECT_EQ(SendMessage(senderReg.Handle(), 1, 0, 0), 1);
    EXPECT_EQ(FMain.Received.size(), 1u) << "posted messages wait for the delivery";
    EXPECT_EQ(PostedMessageCount(), 2);

    EXPECT_EQ(DeliverPostedMessages(), 2);
    EXPECT_EQ(FMain.Received, (std::vector<TMsg>{{1127, 1, 2}, {1126, 3, 4}, {1138, 0, 0}}));
    EXPECT_EQ(DeliverPostedMessages(), 0);
}

TEST_F(Messages, MessagesPostedWhileDeliveringComeLastInTheSameDelivery) {
    FMain.OnMessage = [&](UINT msg, WPARAM, LPARAM) -> LRESULT {
        if (msg == 1157)
            PostMessage(FReg.Handle(), 1163, 0, 0);
        return 0;
    };
    PostMessage(FReg.Handle(), 1157, 0, 0);
    PostMessage(FReg.Handle(), 1138, 0, 0);
    EXPECT_EQ(DeliverPostedMessages(), 3);
    EXPECT_EQ(FMain.Received, (std::vector<TMsg>{{1157, 0, 0}, {1138, 0, 0}, {1163, 0, 0}}));
}

TEST_F(Messages, UnregisteringDropsOnlyThatTargetsQueue) {
    int notified = 0;
    SetPostedMessageNotifier([&] { ++notified; });
    {
        TFakeWindow verw;
        TMessageTargetRegistration reg(&verw);
        PostMessage(reg.Handle(), 1126, 0, 0);
        PostMessage(FReg.Handle(), 1138, 0, 0);
        PostMessage(reg.Handle(), 1163, 0, 0);
    }
    EXPECT_EQ(notified, 3) << "each post tells the event loop";
    EXPECT_EQ(PostedMessageCount(), 1);
    EXPECT_EQ(DeliverPostedMessages(), 1);
    EXPECT_EQ(FMain.Received, (std::vector<TMsg>{{1138, 0, 0}}));
}

} // namespace

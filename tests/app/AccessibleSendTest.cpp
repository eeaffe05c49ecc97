// A setting form sent again and again while an accessibility client keeps reading the window: the
// send replaces the form from inside the form's own click and then waits in an event loop of its
// own, in which the client's questions are answered.
#include "Models.h"
#include "VirtualPrinterFrame.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace morvelan {
namespace {

// Reads what a screen reader reads of every object it can reach from `node`.
void readTree(QAccessibleInterface* node) {
    if (node == nullptr || !node->isValid())
        return;
    (void)node->text(QAccessible::Name);
    (void)node->role();
    (void)node->state();
    for (int i = 0; i < node->childCount(); ++i)
        readTree(node->child(i));
}

struct AppAccessibleSend : test::VirtualPrinterFrame {
    void SetUp() override {
        startOn([](korva::PrinterState& s) {
            s = korva::factoryState(korva::defaultModel());
            s.header = {"EMPRESA MODELO LTDA", "", "RUA DAS FLORES 100", ""};
        });
    }
};

TEST_F(AppAccessibleSend, TheSentFormStaysHiddenInTheFrameUntilItsSendHasReturned) {
    QPointer<QWidget> sent;
    int readsDuringWaits = 0;
    bool sentFormLostDuringWait = false;
    bool sentFormBecameAWindow = false;
    // Only the send's own wait counts: opening a form may wait for the printer's detection too.
    bool sending = false;
    QTimer client;
    QObject::connect(&client, &QTimer::timeout, [&] {
        readTree(QAccessible::queryAccessibleInterface(frame.get()));
        if (!sending || QApplication::activeModalWidget() == nullptr)
            return;
        ++readsDuringWaits;
        sentFormLostDuringWait |= sent.isNull();
        sentFormBecameAWindow |= !sent.isNull() && sent->isWindow();
    });
    client.start(2);

    for (int send = 0; send < 4; ++send) {
        pick(6, 2);
        sent = frame->currentForm();
        auto* read = sent->findChild<QPushButton*>(QStringLiteral("readButton"));
        auto* button = sent->findChild<QPushButton*>(QStringLiteral("sendButton"));
        ASSERT_NE(read, nullptr);
        ASSERT_NE(button, nullptr);
        // The printer's own header, sent back unchanged.
        read->click();
        // Pressed from outside any event loop: the wait's own loop is the first one to run.
        sending = true;
        button->click();
        sending = false;
        ASSERT_EQ(frame->engine().resultRecords[0].resultCode, 0)
            << "send " << send << " " << frame->engine().resultRecords[0].resultLine;
        EXPECT_NE(frame->currentForm(), sent.data());
        EXPECT_FALSE(sent.isNull()) << "send " << send;
        EXPECT_FALSE(sentFormLostDuringWait) << "send " << send;
        EXPECT_FALSE(sentFormBecameAWindow) << "send " << send;
        EXPECT_TRUE(sent.isNull() || sent->isHidden());
    }
    EXPECT_GT(readsDuringWaits, 0);
}

} // namespace
} // namespace morvelan

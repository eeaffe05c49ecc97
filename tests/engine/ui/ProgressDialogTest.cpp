#include "QStringPrinting.h"
#include "gui/dialogs/CProgressDlg.h"
#include "gui/dialogs/CProgressUpdateDlg.h"
#include "gui/dialogs/ProgressCronoDlg.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace morvelan {
namespace {

int barValue(const QDialog& dialog) {
    return dialog.findChild<QProgressBar*>(QStringLiteral("progressBar"))->value();
}

TEST(UiProgressDialogs, OperationDialogClosesOnceTheWorkerIsDoneAndKeepsItsBar) {
    std::atomic<std::uint8_t> done{0};
    std::atomic<bool> stop{false};
    WaitBarPositions positions;
    positions.operation = 40;
    const int before = positions.operation;
    // The worker finishes a little later on its own thread.
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(450));
        done.store(1, std::memory_order_release);
    });
    int result = 0;
    {
        CProgressDlg dialog(done, positions, &stop);
        EXPECT_EQ(barValue(dialog), before);
        dialog.reject(); // Escape does not end the wait
        result = dialog.exec();
        EXPECT_FALSE(stop.load());
    }
    worker.join();
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(stop.load()); // raised as the dialog went away

    const int after = positions.operation;
    const int ticks = ((after - before) + 105) % 105 / 5;
    EXPECT_GE(ticks, 4);
    EXPECT_LE(ticks, 10);

    CProgressDlg next(done, positions);
    EXPECT_EQ(barValue(next), after);
    next.tick();
    EXPECT_EQ(positions.operation, after == 100 ? 0 : after + 5);
    EXPECT_TRUE(next.result() == QDialog::Accepted);
}

TEST(UiProgressDialogs, DetectionDialogHasItsOwnBarAndClosesAtItsFirstTick) {
    std::atomic<std::uint8_t> done{1};
    WaitBarPositions positions;
    positions.operation = 25;
    positions.detection = 60;
    const int operationBar = positions.operation;
    const int before = positions.detection;
    CProgressSerialDlg dialog(done, positions);
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(positions.detection, before == 100 ? 0 : before + 5);
    EXPECT_EQ(positions.operation, operationBar);
}

TEST(UiProgressDialogs, UpdateDialogShowsTheEstimateUntilTheTransferEnds) {
    UpdateProgress progress;
    CProgressUpdateDlg dialog(progress);
    dialog.tick();
    EXPECT_TRUE(dialog.percentageText().isEmpty()); // nothing known yet
    EXPECT_EQ(dialog.result(), 0);                  // still open

    progress.startOffset = 1000;
    progress.endOffset = 3000;
    progress.offsetReached = 2000;
    progress.section = 0;
    dialog.tick();
    EXPECT_EQ(dialog.percentageText(), QStringLiteral("50%"));
    EXPECT_EQ(dialog.remainingText(), QStringLiteral("11 minutos."));
    EXPECT_EQ(dialog.barPosition(), 50);

    progress.done = 1;
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST(UiProgressDialogs, ChronometerAdvancesAQuarterSecondPerTick) {
    ProgressCronoDlg dialog(QStringLiteral("( COM1 - QP-L30 )\r\nTroque a bobina"));
    EXPECT_EQ(dialog.clockText(), QStringLiteral("00:00:00"));
    for (int tick = 0; tick < 245; ++tick) // 61.25 s
        dialog.tick();
    EXPECT_EQ(dialog.clockText(), QStringLiteral("01:01:25"));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint) ||
                !dialog.windowFlags().testFlag(Qt::CustomizeWindowHint));
}

} // namespace
} // namespace morvelan

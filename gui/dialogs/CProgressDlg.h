// The modal "please wait" dialogs shown while a worker runs on its own thread. They live on the
// user-interface thread and only read the worker's completion flag, every 100 ms.
#pragma once

#include "gui/dialogs/WaitBarPositions.h"

#include <QDialog>
#include <QStringList>

#include <atomic>
#include <cstdint>

class QProgressBar;
class QTimer;

namespace morvelan {

// A bar that keeps moving until the worker's flag reads 1. The technician cannot close it: the
// worker's results are only complete once the flag is set.
class FlagWaitDlg : public QDialog {
public:
    static constexpr int kTickMs = 100;

    int barPosition() const;
    // One timer period: moves the bar, closes once the flag is 1.
    void tick();

    // Escape does nothing: the wait ends only with the worker.
    void reject() override;

protected:
    FlagWaitDlg(const std::atomic<std::uint8_t>& done, int& position, const QStringList& lines,
                QWidget* parent);
    void closeEvent(QCloseEvent* event) override;

private:
    const std::atomic<std::uint8_t>& m_done;
    int& m_position;
    QProgressBar* m_bar;
    QTimer* m_timer;
};

// "Aguarde, em execução..." while an operation's worker runs.
class CProgressDlg final : public FlagWaitDlg {
public:
    // The bar starts at and keeps writing `positions.operation`. `stopRequested`, when given,
    // is raised as the dialog goes away, so a script run stops after its current line.
    CProgressDlg(const std::atomic<std::uint8_t>& workerDone, WaitBarPositions& positions,
                 std::atomic<bool>* stopRequested = nullptr, QWidget* parent = nullptr);
    ~CProgressDlg() override;

private:
    std::atomic<bool>* m_stopRequested;
};

// "Localizando Impressoras conectadas ao micro." while the printer is detected.
class CProgressSerialDlg final : public FlagWaitDlg {
public:
    // The bar starts at and keeps writing `positions.detection`.
    CProgressSerialDlg(const std::atomic<std::uint8_t>& detectionDone, WaitBarPositions& positions,
                       QWidget* parent = nullptr);
};

} // namespace morvelan

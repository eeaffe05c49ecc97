// The modal dialog of the software update: percentage sent and an estimate of the time left,
// read every 100 ms from the progress record the transfer worker writes.
#pragma once

#include "core/present/ProgressLogic.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

namespace morvelan {

class CProgressUpdateDlg final : public QDialog {
public:
    static constexpr int kTickMs = 100;

    explicit CProgressUpdateDlg(const UpdateProgress& progress, QWidget* parent = nullptr);

    void tick();
    QString percentageText() const;
    QString remainingText() const;
    int barPosition() const;

    // Escape does nothing: the wait ends only with the worker.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const UpdateProgress& m_progress;
    QLabel* m_percentage;
    QLabel* m_remaining;
    QProgressBar* m_bar;
    QTimer* m_timer;
};

} // namespace morvelan

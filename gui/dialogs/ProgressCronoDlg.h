// A message from a running script that also shows how long the technician has taken to answer
// it: the clock starts at 0 when the dialog opens and advances 250 ms per tick.
#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QTimer;

namespace morvelan {

class ProgressCronoDlg final : public QDialog {
public:
    static constexpr int kTickMs = 250;

    explicit ProgressCronoDlg(const QString& text, QWidget* parent = nullptr);

    void tick();
    QString clockText() const;

private:
    std::int64_t m_elapsedMs = 0;
    QLabel* m_clock;
    QTimer* m_timer;
};

} // namespace morvelan

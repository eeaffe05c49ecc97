#include "gui/dialogs/CProgressDlg.h"

#include "core/present/ProgressLogic.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace morvelan {

namespace {
constexpr Qt::WindowFlags kNoCloseBox = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
} // namespace

FlagWaitDlg::FlagWaitDlg(const std::atomic<std::uint8_t>& done, int& position,
                         const QStringList& lines, QWidget* parent)
    : QDialog(parent, kNoCloseBox), m_done(done), m_position(position),
      m_bar(new QProgressBar(this)), m_timer(new QTimer(this)) {
    setModal(true);
    setWindowTitle(QStringLiteral("Morvelan"));
    auto* layout = new QVBoxLayout(this);
    for (const auto& line : lines) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setValue(m_position);
    m_bar->setMinimumWidth(300);
    layout->addWidget(m_bar);
    connect(m_timer, &QTimer::timeout, this, &FlagWaitDlg::tick);
    m_timer->start(kTickMs);
}

int FlagWaitDlg::barPosition() const {
    return m_position;
}

void FlagWaitDlg::tick() {
    m_position = nextBarPosition(m_position);
    m_bar->setValue(m_position);
    if (m_done.load(std::memory_order_acquire) == 1) {
        m_timer->stop();
        accept();
    }
}

void FlagWaitDlg::reject() {
    // Escape must not end the wait while the worker still writes its results.
}

void FlagWaitDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
}

CProgressDlg::CProgressDlg(const std::atomic<std::uint8_t>& workerDone, WaitBarPositions& positions,
                           std::atomic<bool>* stopRequested, QWidget* parent)
    : FlagWaitDlg(workerDone, positions.operation, {QStringLiteral("Aguarde, em execução...")},
                  parent),
      m_stopRequested(stopRequested) {}

CProgressDlg::~CProgressDlg() {
    // A script worker stops after its current line once the dialog waiting for it goes away.
    // The dialog refuses to close before the worker's flag is set, so no wait is needed here.
    if (m_stopRequested != nullptr)
        m_stopRequested->store(true, std::memory_order_release);
}

CProgressSerialDlg::CProgressSerialDlg(const std::atomic<std::uint8_t>& detectionDone,
                                       WaitBarPositions& positions, QWidget* parent)
    : FlagWaitDlg(detectionDone, positions.detection,
                  {QStringLiteral("Localizando Impressoras conectadas ao micro."),
                   QStringLiteral("Este processo pode demorar alguns segundos."),
                   QStringLiteral("Por Favor, Aguarde...")},
                  parent) {}

} // namespace morvelan

#include "gui/app/HistoryKeeper.h"

#include "gui/app/AfterFirstPaint.h"
#include "gui/app/HistoryWindow.h"

namespace morvelan {

HistoryKeeper::HistoryKeeper(Engine& engine, Prompts& prompts, QStatusBar* statusBar,
                             QWidget* frame)
    : QObject(frame), m_prompts(prompts), m_frame(frame),
      m_path(engine.programDirectory() + "/" + history::kHistoryFileName), m_statusBar(statusBar) {
    setObjectName(QStringLiteral("historyKeeper"));
    // The frame destroys its engine before its children: the engine never calls a keeper that
    // is gone.
    engine.setServiceObserver(this);
    // Opened without waiting for a first record, so that a file that cannot be written is told
    // at start, as it always was.
    afterFirstPaint(*frame, [this] { recorder(); });
}

history::HistoryDatabase& HistoryKeeper::database() {
    recorder();
    return *m_database;
}

history::HistoryRecorder& HistoryKeeper::recorder() {
    if (!m_recorder) {
        m_database.emplace(m_path);
        m_recorder.emplace(*m_database, [bar = m_statusBar](const std::string& problem) {
            if (bar)
                bar->showMessage(QString::fromStdString(problem));
        });
    }
    return *m_recorder;
}

void HistoryKeeper::showWindow() {
    HistoryWindow window(database(), m_prompts, m_frame);
    window.exec();
}

void HistoryKeeper::runEnded(const Engine& engine, const RunReport& report) {
    recorder().runEnded(engine, report);
}

void HistoryKeeper::interventionBegan(const Engine& engine, std::string_view kind) {
    recorder().interventionBegan(engine, kind);
}

void HistoryKeeper::interventionStep(std::string_view description, bool succeeded) {
    recorder().interventionStep(description, succeeded);
}

void HistoryKeeper::interventionEnded(std::string_view outcome) {
    recorder().interventionEnded(outcome);
}

bool HistoryKeeper::interventionOpen() const {
    return m_recorder && m_recorder->interventionOpen();
}

void HistoryKeeper::planConfirmed(int type, int step, std::string_view lines) {
    recorder().planConfirmed(type, step, lines);
}

} // namespace morvelan

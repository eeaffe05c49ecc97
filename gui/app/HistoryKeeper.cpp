#include "gui/app/HistoryKeeper.h"

#include "gui/app/AfterFirstPaint.h"
#include "gui/app/HistoryWindow.h"

namespace morvelan {

HistoryKeeper::HistoryKeeper(Engine& engine, Prompts& prompts, QLabel* statusLine, QWidget* frame)
    : QObject(frame), m_prompts(prompts), m_frame(frame),
      m_path(engine.programDirectory() + "/" + history::kHistoryFileName),
      m_statusLine(statusLine) {
    setObjectName(QStringLiteral("historyKeeper"));
    // The frame destroys its engine before its children: the engine never calls a keeper that
    // is gone.
    engine.setServiceObserver(this);
    // Opened without waiting for a first record, so that a file that cannot be written is told
    // at start, as it always was.
    afterFirstPaint(*frame, [this] { opened(); });
}

history::HistoryDatabase& HistoryKeeper::database() {
    return opened().database;
}

HistoryKeeper::Opened& HistoryKeeper::opened() {
    if (!m_opened) {
        m_opened.emplace(m_path, [line = m_statusLine](const std::string& problem) {
            if (line)
                line->setText(QString::fromStdString(problem));
        });
    }
    return *m_opened;
}

void HistoryKeeper::showWindow() {
    HistoryWindow window(database(), m_prompts, m_frame);
    window.exec();
}

void HistoryKeeper::runEnded(const Engine& engine, const RunReport& report) {
    opened().recorder.runEnded(engine, report);
}

void HistoryKeeper::interventionBegan(const Engine& engine, std::string_view kind) {
    opened().recorder.interventionBegan(engine, kind);
}

void HistoryKeeper::interventionStep(std::string_view description, bool succeeded) {
    opened().recorder.interventionStep(description, succeeded);
}

void HistoryKeeper::interventionEnded(std::string_view outcome) {
    opened().recorder.interventionEnded(outcome);
}

bool HistoryKeeper::interventionOpen() const {
    return m_opened && m_opened->recorder.interventionOpen();
}

void HistoryKeeper::planConfirmed(int type, int step, std::string_view lines) {
    opened().recorder.planConfirmed(type, step, lines);
}

} // namespace morvelan

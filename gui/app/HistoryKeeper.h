// The main frame's service history: the database in the program directory, the recorder the
// engine reports to, the one status-line message when the file cannot be written, and the
// "Histórico de intervenções" window. The frame makes it as its child and keeps a pointer to it;
// lives on the user-interface thread.
//
// The file is opened once the window has been seen, or sooner when something is to be recorded
// or shown: the first window shows nothing of the history, and SQLite is not loaded for it.
#pragma once

#include "core/engine/Engine.h"
#include "core/engine/history/HistoryDatabase.h"
#include "core/engine/history/HistoryRecorder.h"

#include <QLabel>
#include <QObject>
#include <QPointer>

#include <optional>
#include <string>

class QWidget;

namespace morvelan {

class HistoryKeeper final : public QObject, public ServiceObserver {
public:
    HistoryKeeper(Engine& engine, Prompts& prompts, QLabel* statusLine, QWidget* frame);

    // Shows the window modally over the frame.
    void showWindow();
    history::HistoryDatabase& database();

    // What the engine reports goes to the recorder, the file opened first when it is not yet.
    void runEnded(const Engine& engine, const RunReport& report) override;
    void interventionBegan(const Engine& engine, std::string_view kind) override;
    void interventionStep(std::string_view description, bool succeeded) override;
    void interventionEnded(std::string_view outcome) override;
    bool interventionOpen() const override;
    void planConfirmed(int type, int step, std::string_view lines) override;

private:
    Prompts& m_prompts;
    QWidget* m_frame;
    std::string m_path;
    QPointer<QLabel> m_statusLine;
    // The file and the recorder writing to it, made together when the history is first needed.
    struct Opened {
        Opened(const std::string& path, history::HistoryRecorder::Report report)
            : database(path), recorder(database, std::move(report)) {}
        history::HistoryDatabase database;
        history::HistoryRecorder recorder;
    };
    Opened& opened();

    std::optional<Opened> m_opened;
};

} // namespace morvelan

// The main frame's service history: the database in the program directory, the recorder the
// engine reports to, the one status-bar message when the file cannot be written, and the
// "Histórico de intervenções" window. The frame makes it as its child and keeps a pointer to it;
// lives on the user-interface thread.
#pragma once

#include "core/engine/Engine.h"
#include "core/engine/history/HistoryDatabase.h"
#include "core/engine/history/HistoryRecorder.h"

#include <QObject>

class QStatusBar;
class QWidget;

namespace morvelan {

class HistoryKeeper final : public QObject {
public:
    HistoryKeeper(Engine& engine, Prompts& prompts, QStatusBar* statusBar, QWidget* frame);

    // Shows the window modally over the frame.
    void showWindow();
    history::HistoryDatabase& database() { return m_database; }

private:
    Prompts& m_prompts;
    QWidget* m_frame;
    history::HistoryDatabase m_database;
    history::HistoryRecorder m_recorder;
};

} // namespace morvelan

#include "gui/app/HistoryKeeper.h"

#include "gui/app/HistoryWindow.h"

#include <QPointer>
#include <QStatusBar>

namespace morvelan {

HistoryKeeper::HistoryKeeper(Engine& engine, Prompts& prompts, QStatusBar* statusBar,
                             QWidget* frame)
    : QObject(frame), m_prompts(prompts), m_frame(frame),
      m_database(engine.programDirectory() + "/" + history::kHistoryFileName),
      m_recorder(m_database, [bar = QPointer<QStatusBar>(statusBar)](const std::string& problem) {
          if (bar)
              bar->showMessage(QString::fromStdString(problem));
      }) {
    setObjectName(QStringLiteral("historyKeeper"));
    // The frame destroys its engine before its children: the engine never calls a recorder
    // that is gone.
    engine.setServiceObserver(&m_recorder);
}

void HistoryKeeper::showWindow() {
    HistoryWindow window(m_database, m_prompts, m_frame);
    window.exec();
}

} // namespace morvelan

// The response panel: the decoded outcome of the last run, one tab per printer, and the buttons
// that move a guided sequence on. Lives in the right pane, on the user-interface thread.
#pragma once

#include "core/base/Prompts.h"
#include "core/base/ResultRecord.h"
#include "core/present/ResponseLogic.h"

#include <QWidget>

#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabBar;

namespace morvelan {

class ResponseHost;

class CRightView_Resp final : public QWidget {
public:
    CRightView_Resp(ResponseHost& host, Prompts& prompts, QWidget* parent = nullptr);

    void showResult(int selection, int type, int step, const ResultRecord& slot0);

    // What is on screen, for the tests and for whoever reads the panel.
    const ResponseContent& content() const { return m_content; }
    QTabBar* tabs() const { return m_tabs; }
    QPushButton* nextButton() const { return m_next; }
    QPushButton* repeatButton() const { return m_repeat; }
    QPushButton* previousButton() const { return m_previous; }
    QPushButton* abandonButton() const { return m_abandon; }

private:
    void buildControls();
    void showPrinter(int tab);
    void showSequenceButtons();
    void abandonSequence();

    ResponseHost& m_host;
    Prompts& m_prompts;
    std::string m_title;
    std::vector<ResultRecord> m_records; // one per tab
    ResponseContent m_content;

    QLineEdit* m_titleBox = nullptr;
    QLineEdit* m_resultBox = nullptr;
    QLineEdit* m_fieldBox = nullptr;
    QLineEdit* m_portBox = nullptr;
    QLineEdit* m_printerBox = nullptr;
    QPlainTextEdit* m_fiscalBox = nullptr;
    QTabBar* m_tabs = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_repeat = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_abandon = nullptr;
};

} // namespace morvelan

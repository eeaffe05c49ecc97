// "Executor de scripts" (9.2): the technician selects a script, sees its lines, runs it and reads
// the coloured command log.
#pragma once

#include "core/scripts/executor/ScriptRunner.h"
#include "gui/forms/common/FormChrome.h"

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace morvelan {

class CRightView_06_02 final : public CFormView {
public:
    explicit CRightView_06_02(FormContext& context);

    void refreshControls() override;

    // The button actions.
    void selectScript();
    void execute();

    const std::string& scriptPath() const { return m_scriptPath; }
    const std::string& log() const { return m_logs[0]; }

private:
    // The script checked before a run; true when it is clean or the technician runs it anyway.
    bool confirmCheckedScript();

    ScriptRunner m_runner;
    std::string m_scriptPath;
    ScriptLogs m_logs;
    QLineEdit* m_path;
    QTextEdit* m_output;
    QTextEdit* m_plain;
    QPushButton* m_select;
    QPushButton* m_execute;
    QCheckBox* m_stopOnError;
};

} // namespace morvelan

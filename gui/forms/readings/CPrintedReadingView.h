// The shape of the printed readings' forms: the form's fields, then "&Enviar", which copies the
// fields into the record and starts the reading for every printer. The response panel reports
// what the printer said. Lives on the user-interface thread.
#pragma once

#include "gui/forms/common/FormChrome.h"

class QPushButton;
class QVBoxLayout;

namespace morvelan {

class CPrintedReadingView : public CFormView {
public:
    // `step` is the reading's item in "Leituras fiscais impressas".
    CPrintedReadingView(FormContext& context, const QString& formClass, int step);

    void send();
    void refreshControls() override {}
    QPushButton* sendButton() const { return m_send; }

protected:
    QVBoxLayout* body() const { return m_body; }
    // Adds "&Enviar" below the fields and shows the record; call once the fields exist.
    void finishLayout();
    // Copies the fields into record(); the readings without fields have nothing to copy.
    virtual void collectControls() {}

private:
    int m_step;
    QVBoxLayout* m_layout = nullptr;
    QVBoxLayout* m_body = nullptr;
    QPushButton* m_send = nullptr;
};

// A reading without fields: its description and "&Enviar".
class CPlainReadingView : public CPrintedReadingView {
public:
    CPlainReadingView(FormContext& context, const QString& formClass, int step,
                      const char* description);
};

} // namespace morvelan

// The parts every form shares besides the printer selection: the base class that holds the
// frame's services and the form's record, the "Abandonar Sequencia" button, and the read-only
// information mode.
//
// A form built on them:
//   class CRightView_01_05 final : public CFormView {
//       CRightView_01_05(FormContext& context) : CFormView(context) {
//           ... controls with object names, a PrinterSelector, addAbandonButton(layout) ...
//           if (mode() == FormMode::Read) applyReadOnlyMode(this, {sendButton, selector->list()});
//           refreshControls();
//       }
//       void refreshControls() override { ... copy record() into the controls ... }
//   };
//   registry.add(6, 5, {"CRightView_01_05", FormMode::Send, InitialData::Empty, 32,
//                       [](FormContext& c) { return new CRightView_01_05(c); }});
#pragma once

#include "core/features/common/FormRegistry.h"
#include "core/features/common/FormServices.h"

#include <QString>
#include <QWidget>

#include <initializer_list>
#include <string_view>

class QBoxLayout;
class QShowEvent;
class QPushButton;

namespace morvelan {

class CFormView : public QWidget {
public:
    // Takes the context's record; the object name is the form's class name.
    CFormView(FormContext& context, const QString& formClass, QWidget* parent = nullptr);

    // Copies the record into the controls.
    virtual void refreshControls() = 0;

    FormServices& services() const { return m_services; }
    FormMode mode() const { return m_mode; }
    bool runsAlone() const { return m_runsAlone; }
    FormRecord& record() { return m_record; }
    const FormRecord& record() const { return m_record; }

protected:
    // Once every control exists: keeps the text fields to what Windows-1252 carries, and makes
    // Tab visit the controls in the order they are seen.
    void showEvent(QShowEvent* event) override;
    // Adds the "Abandonar Sequencia" button to `layout`, shown only while a sequence runs.
    QPushButton* addAbandonButton(QBoxLayout* layout);

private:
    FormServices& m_services;
    FormMode m_mode;
    bool m_runsAlone;
    FormRecord m_record;
    bool m_prepared = false;
};

// Read-only information mode: every editor under `form` becomes read-only (texts) or disabled
// (choices), and `hidden` (the send controls, the printer list, the abandon button) are hidden.
// Buttons other than those keep working, so the form can still read.
void applyReadOnlyMode(QWidget* form, std::initializer_list<QWidget*> hidden);

// UTF-8 from and to the widgets.
inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace morvelan

// The shape of a form that reads one setting of the printer and sends a new value: the printer
// tabs and hidden list, the form's own fields, the buttons (send, "&Ler Configuração",
// "Abandonar Sequencia"), the last reading of each printer, and the read-only information mode
// that hides the send controls. A form built on it lays out its fields in body(), calls
// finishLayout() and implements send() and refreshControls(). Lives on the user-interface
// thread.
#pragma once

#include "core/features/common/PrinterChoice.h"
#include "gui/forms/common/CPrinterReadingForm.h"

#include <QString>

#include <initializer_list>

class QFormLayout;
class QPushButton;
class QVBoxLayout;

namespace morvelan {

class PrinterSelector;

class CSettingForm : public CPrinterReadingForm {
public:
    struct Controls {
        QString sendCaption = QStringLiteral("&Enviar");
        bool readsPrinter = true;   // offers "&Ler Configuração"
        bool choosesPrinter = true; // has the printer tabs and hidden list
        PrinterLabelStyle labels = PrinterLabelStyle::PortModel;
        TabsShown tabs = TabsShown::InReadMode; // when the printer tabs show
    };

    // `step` is the item of "Configuração" whose reading and sending the form serves; the
    // "Leitura de informações" items read through the same code.
    CSettingForm(FormContext& context, const QString& formClass, int step, Controls controls);

    // "&Ler Configuração": reads the printer into a fresh zeroed record and shows it; false when
    // it did not answer (the engine has said why) and the fields stay as they were. A form whose
    // readings are kept elsewhere (the tables) reads its own way.
    virtual bool readPrinter();

    QPushButton* sendButton() const { return m_send; }
    QPushButton* readButton() const { return m_read; }
    PrinterSelector* printerSelector() const { return m_selector; }

protected:
    // Where the form puts its fields, between the tabs and the buttons.
    QVBoxLayout* body() const { return m_body; }
    // A block of labelled fields in body(); the fields keep their natural width.
    QFormLayout* addFieldRows();
    // Adds the buttons after the fields (`extraButtons` after the read button) and applies the
    // form's mode, in which `readModeHidden` are hidden too; call once the fields exist.
    void finishLayout(std::initializer_list<QPushButton*> extraButtons = {},
                      std::initializer_list<QWidget*> readModeHidden = {});
    // The operation code's step.
    int step() const { return m_step; }
    // The printer selection value of a send (every present printer).
    int selection() const;
    // The slot whose values the fields show: the current tab's, the first slot without tabs.
    int shownSlot() const;
    // What the send button does.
    virtual void send() = 0;
    // Called before the printer is read; false leaves the reading out.
    virtual bool readingStarts() { return true; }
    // Called with a reading the printer answered; false keeps it off the fields (the form has
    // said why).
    virtual bool readingAccepted(const FormRecord&) { return true; }

private:
    int m_step;
    PrinterSelector* m_selector = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QVBoxLayout* m_body = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_read = nullptr;
};

} // namespace morvelan

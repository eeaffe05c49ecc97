// The widget shared by the four table forms: a printer selector, one row of controls per table
// row, and the buttons "&Enviar", "&Ler Configuração", the clear button and "Abandonar
// Sequencia". It copies rows between its controls and the table logic and calls the logic; the
// four form classes only say which table they edit. Lives on the user-interface thread.
#pragma once

#include "FormChrome.h"
#include "tables/TableEditor.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace morvelan {

class PrinterSelector;

class CTableForm : public CFormView {
public:
    CTableForm(FormContext& context, const QString& formClass, int table);

    // Shows the record the form was given (the last values sent, or empty rows).
    void refreshControls() override;

    tables::FormRows rowsInControls() const;
    void showRows(const tables::FormRows& rows);

private:
    void buildRows(QGridLayout* grid);
    void readTable();
    void sendTable();
    void clearTable();
    void showPrinter(int slot);

    tables::TableEditor m_editor;
    PrinterSelector* m_selector = nullptr;
    std::vector<QLineEdit*> m_texts;
    std::vector<QCheckBox*> m_linked;
    std::vector<QComboBox*> m_types;
    QPushButton* m_send = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_clear = nullptr;
};

} // namespace morvelan

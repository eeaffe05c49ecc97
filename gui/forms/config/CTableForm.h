// The widget shared by the four table forms: the setting form's shape (printer choice, "&Enviar",
// "&Ler Configuração", "Abandonar Sequencia", read mode) with one row of controls per table row
// and the clear button. It copies rows between its controls and the table logic, which keeps the
// printers' tables; the four form classes only say which table they edit. Lives on the
// user-interface thread.
#pragma once

#include "core/features/tables/TableEditor.h"
#include "gui/forms/common/CSettingForm.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace morvelan {

class CTableForm : public CSettingForm {
public:
    CTableForm(FormContext& context, const QString& formClass, int table);

    // Shows the record the form was given (the last values sent, or empty rows).
    void refreshControls() override;
    bool readPrinter() override;

    tables::FormRows rowsInControls() const;
    void showRows(const tables::FormRows& rows);

protected:
    void send() override;
    void showPrinter(int slot) override;

private:
    void buildRows(QGridLayout* grid);
    void clearTable();

    tables::TableEditor m_editor;
    std::vector<QLineEdit*> m_texts;
    std::vector<QCheckBox*> m_linked;
    std::vector<QComboBox*> m_types;
    QPushButton* m_clear = nullptr;
};

} // namespace morvelan

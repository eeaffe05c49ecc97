// "Log de Eventos" (7.16): the printer's last ten events in a grid, and their export to a text
// file.
#pragma once

#include "core/features/readings/EventLog.h"
#include "gui/forms/readings/CReadingView.h"

class QLineEdit;
class QTableWidget;

namespace morvelan {

class CRightView_02_16 final : public CReadingView {
public:
    explicit CRightView_02_16(FormContext& context);
    void refreshControls() override;

    // The rows on screen, as the file gets them.
    const EventGrid& grid() const { return m_grid; }
    QTableWidget* table() const { return m_table; }
    QPushButton* saveButton() const { return m_save; }

private:
    EventGrid m_grid{};
    QTableWidget* m_table = nullptr;
    QLineEdit* m_count = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace morvelan

// "Histórico de intervenções": the printers the program talked to, the chosen printer's history
// newest first with its filters and details, the CSV export and the printable summary. A thin
// window over the history database; lives on the user-interface thread.
#pragma once

#include "core/base/Prompts.h"
#include "core/engine/history/HistoryDatabase.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QTableWidget;
class QTextDocument;
class QTextEdit;

namespace morvelan {

class HistoryWindow final : public QDialog {
public:
    HistoryWindow(history::HistoryDatabase& database, Prompts& prompts, QWidget* parent = nullptr);

    // Reads the printers anew and shows the first one's history.
    void refresh();
    // The filter the controls describe for the chosen printer.
    history::HistoryFilter filter() const;
    const std::vector<history::HistoryEntry>& shownEntries() const { return m_entries; }

    void exportCsv();
    void printSummary();
    void saveSummaryPdf();

private:
    void choosePrinter();
    void showEntries();
    void showDetails();
    void fillSummary(QTextDocument& document) const;
    const history::PrinterSeen* chosenPrinter() const;

    history::HistoryDatabase& m_database;
    Prompts& m_prompts;
    std::vector<history::PrinterSeen> m_printers;
    std::vector<history::HistoryEntry> m_entries;
    QTableWidget* m_printerList = nullptr;
    QTableWidget* m_entryList = nullptr;
    QTextEdit* m_details = nullptr;
    QCheckBox* m_fromEnabled = nullptr;
    QCheckBox* m_untilEnabled = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_until = nullptr;
    QComboBox* m_function = nullptr;
};

} // namespace morvelan

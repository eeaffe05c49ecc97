#include "gui/app/HistoryWindow.h"

#include "core/base/AtomicFile.h"
#include "core/engine/history/HistoryExport.h"
#include "core/engine/history/HistoryRecorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <chrono>

namespace morvelan {
namespace {

constexpr const char* kAllFunctions = "Todas as funções";

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidget* table(const QStringList& headers, const char* name, QWidget* parent) {
    auto* list = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setHorizontalHeaderLabels(headers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    return list;
}

void setRow(QTableWidget* list, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column)
        list->setItem(row, column, new QTableWidgetItem(cells[column]));
}

} // namespace

HistoryWindow::HistoryWindow(history::HistoryDatabase& database, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_database(database), m_prompts(prompts) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("Histórico de intervenções"));
    resize(1020, 620);

    m_printerList = table({QStringLiteral("Modelo"), QStringLiteral("Número de série"),
                           QStringLiteral("Último contato")},
                          "historyPrinters", this);
    // A printer is one line: its last contact wrapped under itself reads as two dates.
    m_printerList->setWordWrap(false);
    m_entryList =
        table({QStringLiteral("Início"), QStringLiteral("Função"), QStringLiteral("Resultado")},
              "historyEntries", this);
    // A long function name shares the room with the result, which says whether the operation
    // went well, instead of pushing it out of sight; each ends in "…" on one line when cut,
    // rather than wrapping into a second line that is cut as well.
    m_entryList->setWordWrap(false);
    auto* entryColumns = m_entryList->horizontalHeader();
    entryColumns->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    entryColumns->setSectionResizeMode(1, QHeaderView::Stretch);
    entryColumns->setSectionResizeMode(2, QHeaderView::Stretch);
    m_details = new QTextEdit(this);
    m_details->setObjectName(QStringLiteral("historyDetails"));
    m_details->setReadOnly(true);

    m_fromEnabled = new QCheckBox(QStringLiteral("De:"), this);
    m_fromEnabled->setObjectName(QStringLiteral("historyFromEnabled"));
    m_untilEnabled = new QCheckBox(QStringLiteral("Até:"), this);
    m_untilEnabled->setObjectName(QStringLiteral("historyUntilEnabled"));
    const QDate today = QDate::currentDate();
    m_from = new QDateEdit(today.addMonths(-1), this);
    m_from->setObjectName(QStringLiteral("historyFrom"));
    m_until = new QDateEdit(today, this);
    m_until->setObjectName(QStringLiteral("historyUntil"));
    for (auto* edit : {m_from, m_until}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    }
    m_function = new QComboBox(this);
    m_function->setObjectName(QStringLiteral("historyFunction"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(m_fromEnabled);
    filters->addWidget(m_from);
    filters->addWidget(m_untilEnabled);
    filters->addWidget(m_until);
    filters->addWidget(new QLabel(QStringLiteral("Função:"), this));
    filters->addWidget(m_function, 1);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addLayout(filters);
    auto* lower = new QSplitter(Qt::Vertical, right);
    lower->addWidget(m_entryList);
    lower->addWidget(m_details);
    rightLayout->addWidget(lower, 1);

    auto* panes = new QSplitter(Qt::Horizontal, this);
    panes->addWidget(m_printerList);
    panes->addWidget(right);
    panes->setStretchFactor(1, 1);
    panes->setSizes({420, 600});

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* csv =
        buttons->addButton(QStringLiteral("Exportar &CSV..."), QDialogButtonBox::ActionRole);
    csv->setObjectName(QStringLiteral("historyExportCsv"));
    auto* print =
        buttons->addButton(QStringLiteral("&Imprimir resumo..."), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("historyPrint"));
    auto* pdf = buttons->addButton(QStringLiteral("Salvar resumo em &PDF..."),
                                   QDialogButtonBox::ActionRole);
    pdf->setObjectName(QStringLiteral("historyPdf"));
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Fechar"));

    auto* layout = new QVBoxLayout(this);
    if (!m_database.problem().empty()) {
        auto* problem = new QLabel(qs(m_database.problem()), this);
        problem->setObjectName(QStringLiteral("historyProblem"));
        problem->setWordWrap(true);
        layout->addWidget(problem);
    }
    layout->addWidget(panes, 1);
    // The history grows with every run; its size tells when it is time to prune it.
    auto* size =
        new QLabel(qs("Tamanho do histórico: " + history::sizeText(m_database.sizeOnDisk())), this);
    size->setObjectName(QStringLiteral("historySize"));
    layout->addWidget(size);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(csv, &QPushButton::clicked, this, &HistoryWindow::exportCsv);
    connect(print, &QPushButton::clicked, this, &HistoryWindow::printSummary);
    connect(pdf, &QPushButton::clicked, this, &HistoryWindow::saveSummaryPdf);
    connect(m_printerList, &QTableWidget::itemSelectionChanged, this,
            &HistoryWindow::choosePrinter);
    connect(m_entryList, &QTableWidget::itemSelectionChanged, this, &HistoryWindow::showDetails);
    for (auto* box : {m_fromEnabled, m_untilEnabled})
        connect(box, &QCheckBox::toggled, this, &HistoryWindow::showEntries);
    for (auto* edit : {m_from, m_until})
        connect(edit, &QDateEdit::dateChanged, this, &HistoryWindow::showEntries);
    connect(m_function, &QComboBox::currentIndexChanged, this, &HistoryWindow::showEntries);
    refresh();
}

void HistoryWindow::refresh() {
    m_printers = m_database.printers();
    m_printerList->setRowCount(static_cast<int>(m_printers.size()));
    for (int row = 0; row < static_cast<int>(m_printers.size()); ++row) {
        const auto& printer = m_printers[static_cast<std::size_t>(row)];
        setRow(
            m_printerList, row,
            {qs(printer.key.model), qs(printer.key.fiscalMemorySerial), qs(printer.lastContact)});
    }
    m_printerList->resizeColumnsToContents();
    if (!m_printers.empty())
        m_printerList->selectRow(0);
    choosePrinter();
}

const history::PrinterSeen* HistoryWindow::chosenPrinter() const {
    const int row = m_printerList->currentRow();
    if (row < 0 || row >= static_cast<int>(m_printers.size()))
        return nullptr;
    return &m_printers[static_cast<std::size_t>(row)];
}

void HistoryWindow::choosePrinter() {
    const QSignalBlocker blocker(m_function);
    m_function->clear();
    m_function->addItem(QString::fromUtf8(kAllFunctions));
    if (const auto* printer = chosenPrinter()) {
        for (const std::string& label : m_database.functions(printer->id))
            m_function->addItem(qs(label));
    }
    showEntries();
}

history::HistoryFilter HistoryWindow::filter() const {
    history::HistoryFilter filter;
    const auto* printer = chosenPrinter();
    // Without a printer chosen nothing is shown, rather than every printer's rows.
    filter.printerId = printer != nullptr ? printer->id : -1;
    if (m_fromEnabled->isChecked())
        filter.since = m_from->date().toString(Qt::ISODate).toStdString();
    if (m_untilEnabled->isChecked())
        filter.until = m_until->date().toString(Qt::ISODate).toStdString();
    if (m_function->currentIndex() > 0)
        filter.function = m_function->currentText().toStdString();
    return filter;
}

void HistoryWindow::showEntries() {
    m_entries = m_database.entries(filter());
    m_entryList->setRowCount(static_cast<int>(m_entries.size()));
    for (int row = 0; row < static_cast<int>(m_entries.size()); ++row) {
        const auto& entry = m_entries[static_cast<std::size_t>(row)];
        setRow(m_entryList, row,
               {qs(entry.startedAt), qs(history::listedFunction(entry)),
                qs(history::listedOutcome(entry))});
        const QColor colour = history::succeeded(entry) ? QColor(Qt::blue) : QColor(Qt::red);
        m_entryList->item(row, 2)->setForeground(colour);
    }
    // Row 0 may have been the selected row before: the selection then does not change, so the
    // details are refreshed here rather than left to its signal.
    if (!m_entries.empty())
        m_entryList->selectRow(0);
    showDetails();
}

void HistoryWindow::showDetails() {
    const int row = m_entryList->currentRow();
    if (row < 0 || row >= static_cast<int>(m_entries.size())) {
        m_details->clear();
        return;
    }
    m_details->setPlainText(qs(history::detailsText(m_entries[static_cast<std::size_t>(row)])));
}

void HistoryWindow::exportCsv() {
    const auto path = m_prompts.saveFile("Planilha CSV (*.csv)", "csv");
    if (!path)
        return;
    // Written whole or not at all: a spreadsheet cut short would pass for the history.
    if (!replaceFileAtomically(*path, history::toCsv(m_entries, m_printers))) {
        m_prompts.message(kErrorTitle, "Erro ao Salvar o Arquivo.", PromptIcon::Error);
        return;
    }
    m_prompts.message(kAlertTitle, "Arquivo Salvo com Sucesso.", PromptIcon::Information);
}

void HistoryWindow::fillSummary(QTextDocument& document) const {
    const history::PrinterSeen none;
    const auto* printer = chosenPrinter();
    document.setHtml(
        qs(history::summaryHtml(printer != nullptr ? *printer : none, m_entries,
                                history::historyTime(std::chrono::system_clock::now()))));
}

void HistoryWindow::printSummary() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument document;
    fillSummary(document);
    document.print(&printer);
}

void HistoryWindow::saveSummaryPdf() {
    const auto path = m_prompts.saveFile("Documento PDF (*.pdf)", "pdf");
    if (!path)
        return;
    QPdfWriter writer(qs(*path));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(QStringLiteral("Resumo de intervenções"));
    QTextDocument document;
    fillSummary(document);
    document.print(&writer);
    if (!QFile::exists(qs(*path))) {
        m_prompts.message(kErrorTitle, "Erro ao Salvar o Arquivo.", PromptIcon::Error);
        return;
    }
    m_prompts.message(kAlertTitle, "Arquivo Salvo com Sucesso.", PromptIcon::Information);
}

} // namespace morvelan

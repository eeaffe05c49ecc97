#include "gui/forms/config/CTableForm.h"

#include "core/features/tables/TableRecords.h"
#include "gui/forms/common/PrinterSelector.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {
namespace {

// The sequence controller's "repeat": the step stays (outside a sequence, the empty form).
constexpr int kRepeatStep = 2;

} // namespace

CTableForm::CTableForm(FormContext& context, const QString& formClass, int table)
    : CSettingForm(context, formClass, table, {}),
      m_editor(services().engine(), table, [this] { services().advanceSealing(kRepeatStep); }) {
    m_editor.load(record());

    auto* grid = new QGridLayout;
    buildRows(grid);
    body()->addLayout(grid);
    m_clear = new QPushButton(qtText(tables::clearButtonCaption(table)), this);
    m_clear->setObjectName(QStringLiteral("clearButton"));
    connect(m_clear, &QPushButton::clicked, this, &CTableForm::clearTable);
    m_editor.clearPrinterTables();
    finishLayout({m_clear}, {m_clear});
    refreshControls();
}

void CTableForm::buildRows(QGridLayout* grid) {
    const int table = m_editor.table();
    const int fixedRows = tables::tableFixedRows(table);
    for (int row = 0; row < tables::tableRowCount(table); ++row) {
        auto* label = new QLabel(qtText(tables::rowLabel(table, row)), this);
        auto* text = new QLineEdit(this);
        text->setObjectName(QStringLiteral("row%1Text").arg(row + 1));
        text->setMaxLength(table == tables::kTaxRateTable ? static_cast<int>(tables::kRateLength)
                                                          : static_cast<int>(tables::kNameLength));
        text->setReadOnly(row < fixedRows);
        label->setBuddy(text);
        grid->addWidget(label, row, 0);
        grid->addWidget(text, row, 1);
        m_texts.push_back(text);
        if (table == tables::kPaymentTable) {
            auto* linked = new QCheckBox(QString::fromUtf8("Vínculado"), this);
            linked->setObjectName(QStringLiteral("row%1Linked").arg(row + 1));
            linked->setEnabled(row >= fixedRows);
            grid->addWidget(linked, row, 2);
            m_linked.push_back(linked);
        }
        if (table == tables::kTaxRateTable) {
            auto* type = new QComboBox(this);
            type->setObjectName(QStringLiteral("row%1Type").arg(row + 1));
            for (const char* name : tables::kRateTypeNames)
                type->addItem(QString::fromUtf8(name));
            type->setCurrentIndex(-1);
            grid->addWidget(type, row, 2);
            m_types.push_back(type);
        }
    }
}

void CTableForm::refreshControls() {
    showRows(m_editor.rows());
}

tables::FormRows CTableForm::rowsInControls() const {
    tables::FormRows rows(m_texts.size());
    for (std::size_t row = 0; row < m_texts.size(); ++row) {
        rows[row].text = m_texts[row]->text().toStdString();
        rows[row].linked = row < m_linked.size() && m_linked[row]->isChecked();
        rows[row].type = row < m_types.size() ? m_types[row]->currentIndex() : -1;
    }
    return rows;
}

void CTableForm::showRows(const tables::FormRows& rows) {
    for (std::size_t row = 0; row < m_texts.size() && row < rows.size(); ++row) {
        m_texts[row]->setText(qtText(rows[row].text));
        if (row < m_linked.size()) {
            m_linked[row]->setChecked(rows[row].linked);
        }
        if (row < m_types.size()) {
            m_types[row]->setCurrentIndex(rows[row].type);
        }
    }
}

void CTableForm::showPrinter(int slot) {
    if (m_editor.hasPrinterTable(slot)) {
        showRows(m_editor.printerRows(slot));
    }
}

bool CTableForm::readPrinter() {
    if (!m_editor.readPrinter()) {
        return false;
    }
    // The reading may have been the first exchange: the printers are known only now.
    printerSelector()->prepareFor(mode());
    showPrinter(shownSlot());
    return true;
}

void CTableForm::send() {
    m_editor.send(rowsInControls(), selection());
}

void CTableForm::clearTable() {
    m_editor.clear(selection());
}

} // namespace morvelan

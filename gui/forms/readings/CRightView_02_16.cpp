#include "gui/forms/readings/CRightView_02_16.h"

#include "core/base/Cp1252.h"
#include "gui/forms/readings/ReadingFields.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace morvelan {

CRightView_02_16::CRightView_02_16(FormContext& context)
    : CReadingView(context, QStringLiteral("CRightView_02_16"), 16) {
    m_table =
        new QTableWidget(static_cast<int>(kEventLogRows), static_cast<int>(kEventLogColumns), this);
    m_table->setObjectName(QStringLiteral("eventGrid"));
    QStringList titles;
    for (const auto* title : kEventLogTitles)
        titles << QString::fromUtf8(title);
    m_table->setHorizontalHeaderLabels(titles);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    for (int row = 0; row < m_table->rowCount(); ++row)
        for (int column = 0; column < m_table->columnCount(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem);
    body()->addWidget(m_table);

    auto* countLayout = new QFormLayout;
    m_count = addReadingField(countLayout,
                              "Quantidade de caracteres do log:", QStringLiteral("eventCount"));
    body()->addLayout(countLayout);

    m_save = new QPushButton(QStringLiteral("Salvar dados em arquivo"), this);
    m_save->setObjectName(QStringLiteral("saveButton"));
    connect(m_save, &QPushButton::clicked, this,
            [this] { saveEventLog(services().prompts(), m_grid); });
    finishLayout({m_save});
    refreshControls();
}

void CRightView_02_16::refreshControls() {
    const EventLogReading reading = eventLogReading(record());
    m_grid = reading.grid;
    for (std::size_t row = 0; row < kEventLogRows; ++row)
        for (std::size_t column = 0; column < kEventLogColumns; ++column)
            m_table->item(static_cast<int>(row), static_cast<int>(column))
                ->setText(QString::fromStdString(fromCp1252(m_grid[row][column])));
    m_count->setText(QString::fromStdString(fromCp1252(reading.countText)));
}

} // namespace morvelan

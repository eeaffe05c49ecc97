#include "gui/forms/config/CRightView_01_02.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morvelan {

namespace {
constexpr std::array<const char*, settings::kHeaderLineCount> kLineLabels = {
    "Razão Social", "Nome Fantasia", "Endereço 01", "Endereço 02"};
constexpr int kLineLength = 56;
} // namespace

CRightView_01_02::CRightView_01_02(FormContext& context)
    : CSettingForm(context, QStringLiteral("CRightView_01_02"), 2, {}) {
    auto* grid = new QGridLayout;
    const auto box = [this, grid](int row, int column, const char* caption, const QString& name) {
        auto* check = new QCheckBox(QString::fromUtf8(caption), this);
        check->setObjectName(name);
        grid->addWidget(check, row, column);
        return check;
    };
    for (std::size_t n = 0; n < m_lines.size(); ++n) {
        const int row = static_cast<int>(n) * 2;
        const auto prefix = QStringLiteral("line%1").arg(n + 1);
        auto& line = m_lines[n];
        line.text = new QLineEdit(this);
        line.text->setObjectName(prefix + QStringLiteral("Text"));
        line.text->setMaxLength(kLineLength);
        line.text->setMinimumWidth(
            line.text->fontMetrics().horizontalAdvance(QString(kLineLength, QLatin1Char('X'))));
        grid->addWidget(new QLabel(QString::fromUtf8(kLineLabels[n]), this), row, 0);
        grid->addWidget(line.text, row, 1, 1, 5);
        line.reverse = box(row + 1, 1, "Invertido", prefix + QStringLiteral("Reverse"));
        line.bold = box(row + 1, 2, "Negrito", prefix + QStringLiteral("Bold"));
        line.underline = box(row + 1, 3, "Sublinhado", prefix + QStringLiteral("Underline"));
        line.doubleHeight =
            box(row + 1, 4, "Altura Dupla", prefix + QStringLiteral("DoubleHeight"));
        line.doubleWidth = box(row + 1, 5, "Largura Dupla", prefix + QStringLiteral("DoubleWidth"));
    }
    m_tradeName = {box(2, 6, "Enviar Nome Fantasia", QStringLiteral("sendTradeName")),
                   m_lines[1].text};
    m_secondAddress = {box(6, 6, "Enviar linha Endereço 02", QStringLiteral("sendSecondAddress")),
                       m_lines[3].text};
    body()->addLayout(grid);
    for (const auto* optional : {&m_tradeName, &m_secondAddress}) {
        auto* text = optional->text;
        connect(optional->send, &QCheckBox::toggled, this, [this, text](bool checked) {
            if (mode() != FormMode::Read)
                text->setReadOnly(!checked);
        });
    }

    auto* numbers = addFieldRows();
    m_ecf = new QLineEdit(this);
    m_ecf->setObjectName(QStringLiteral("ecfNumber"));
    m_ecf->setMaxLength(3);
    numbers->addRow(QString::fromUtf8("Número do ECF:"), m_ecf);
    m_store = new QLineEdit(this);
    m_store->setObjectName(QStringLiteral("storeNumber"));
    m_store->setMaxLength(4);
    numbers->addRow(QStringLiteral("Loja:"), m_store);
    finishLayout();
    refreshControls();
}

void CRightView_01_02::refreshControls() {
    const auto values = settings::headerValues(record());
    for (std::size_t n = 0; n < m_lines.size(); ++n) {
        const auto& shown = values.lines[n];
        auto& line = m_lines[n];
        line.text->setText(qtText(shown.text));
        line.reverse->setChecked(shown.attributes.reverse);
        line.bold->setChecked(shown.attributes.bold);
        line.underline->setChecked(shown.attributes.underline);
        line.doubleHeight->setChecked(shown.attributes.doubleHeight);
        line.doubleWidth->setChecked(shown.attributes.doubleWidth);
    }
    m_ecf->setText(qtText(values.ecfNumber));
    m_store->setText(qtText(values.storeNumber));
    const bool thirdGeneration = services().printer(shownSlot()).isMkiii;
    showOptionalLine(m_tradeName, thirdGeneration, values.sendTradeName);
    showOptionalLine(m_secondAddress, thirdGeneration, values.sendSecondAddress);
}

void CRightView_01_02::showOptionalLine(const OptionalLine& line, bool thirdGeneration,
                                        bool printerHasIt) {
    // Only third-generation printers can leave a line out; the others always get all four.
    line.send->setVisible(thirdGeneration);
    line.send->setChecked(!thirdGeneration || printerHasIt);
    line.text->setReadOnly(mode() == FormMode::Read || !line.send->isChecked());
}

settings::HeaderValues CRightView_01_02::valuesInControls() const {
    settings::HeaderValues values;
    for (std::size_t n = 0; n < m_lines.size(); ++n) {
        const auto& line = m_lines[n];
        values.lines[n] = {line.text->text().toStdString(),
                           {line.reverse->isChecked(), line.bold->isChecked(),
                            line.underline->isChecked(), line.doubleHeight->isChecked(),
                            line.doubleWidth->isChecked()}};
    }
    values.ecfNumber = m_ecf->text().toStdString();
    values.storeNumber = m_store->text().toStdString();
    values.sendTradeName = m_tradeName.send->isChecked();
    values.sendSecondAddress = m_secondAddress.send->isChecked();
    return values;
}

void CRightView_01_02::send() {
    record() = settings::headerRecord(valuesInControls());
    services().runOperation(6, step(), record(), selection());
}

} // namespace morvelan

// What "morvelan-cli read" prints for a reading is what the reading's form shows after its read
// button: both decode the same reading of a configured virtual printer, the form into its
// controls, the command line through the fields of core/present.
#include "Models.h"
#include "VirtualPrinterFrame.h"
#include "core/engine/FunctionCatalogue.h"
#include "core/present/ReadingFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace morvelan {
namespace {

// Every value a technician reads off the form: the texts of its boxes, lists and grids, and how
// many of its tick boxes are ticked.
struct ShownValues {
    std::vector<std::string> texts;
    int ticked = 0;
};

std::string trimmedText(const QString& text) {
    return text.trimmed().toStdString();
}

ShownValues shownValues(const QWidget& form) {
    ShownValues shown;
    const auto add = [&](const QString& text) {
        if (!text.trimmed().isEmpty())
            shown.texts.push_back(trimmedText(text));
    };
    for (const auto* edit : form.findChildren<QLineEdit*>())
        if (edit->isVisibleTo(&form) && edit->parent() != nullptr &&
            qobject_cast<const QComboBox*>(edit->parent()) == nullptr)
            add(edit->text());
    for (const auto* box : form.findChildren<QComboBox*>())
        if (box->isVisibleTo(&form))
            add(box->currentText());
    for (const auto* list : form.findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row)
            add(list->item(row)->text());
    for (const auto* grid : form.findChildren<QTableWidget*>())
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                if (const auto* item = grid->item(row, column))
                    add(item->text());
    for (const auto* box : form.findChildren<QCheckBox*>())
        shown.ticked += box->isVisibleTo(&form) && box->isChecked() ? 1 : 0;
    return shown;
}

struct ReadingFormsMatchRead : test::VirtualPrinterFrame {
    void SetUp() override {
        // A printer with something of its own in every reading.
        startOn([](korva::PrinterState& s) {
            s = korva::freshPrinter(korva::defaultModel());
            s.header = {"MORVELAN LTDA", "LOJA CENTRO", "RUA A, 10", "BAIRRO B"};
            s.currency = "US$";
            s.operatorName = "MARIA";
            s.taxRates = {{"Ta", "1800"}, {"Sb", "0500"}};
            s.payments.push_back({3, "Vale", true});
            s.reports.push_back({2, "Vendas"});
            s.nonFiscal.push_back({3, "Recarga"});
            s.user = {1, "11222333000181", "123456789", "55667788", ""};
        });
        ASSERT_TRUE(frame->ensurePrinter());
    }

    // The reading's form after its read button, as the tree shows it for `code`.
    const QWidget* readInForm(OperationCode code) {
        if (!pick(code.type, code.step))
            return nullptr;
        auto* read = frame->currentForm()->findChild<QPushButton*>(QStringLiteral("readButton"));
        if (read == nullptr)
            return nullptr;
        read->click();
        return frame->currentForm();
    }

    // What "morvelan-cli read" prints for the reading `reading`.
    std::vector<ReadingField> readOnTheCommandLine(OperationCode reading) {
        std::vector<char> data(readingRecordSize(reading), '\0');
        if (!frame->engine().readOperation(reading.type, reading.step, data, false))
            return {};
        return readingFields(reading, data, frame->engine().isMkiii[0] == 1);
    }
};

// The printed values the form does not show, each once; "ticks" when the tick boxes disagree.
std::vector<std::string> unshown(const std::vector<ReadingField>& printed, ShownValues shown) {
    std::vector<std::string> missing;
    int ticks = 0;
    for (const ReadingField& field : printed) {
        if (field.value == "sim" || field.value == "não") {
            ticks += field.value == "sim" ? 1 : 0;
            continue;
        }
        const std::string value = trimmedText(QString::fromStdString(field.value));
        if (value.empty())
            continue;
        // Each printed value is one box of the form; a box counts once.
        const auto box = std::ranges::find(shown.texts, value);
        if (box == shown.texts.end())
            missing.push_back(field.name + ": " + value);
        else
            shown.texts.erase(box);
    }
    if (ticks != shown.ticked)
        missing.push_back("ticks: " + std::to_string(ticks) + " printed, " +
                          std::to_string(shown.ticked) + " shown");
    return missing;
}

TEST_F(ReadingFormsMatchRead, EveryReadingOfTheTreeShowsWhatTheCommandLinePrints) {
    int readings = 0;
    for (const FunctionUse& use : functionUses()) {
        // The readings of group 7; the send forms' "&Ler Configuração" share them.
        if (use.code.type != 7 || !use.reading)
            continue;
        ++readings;
        const std::string code =
            std::to_string(use.code.type) + "." + std::to_string(use.code.step);
        std::vector<std::string> missing;
        // The printer's clock may tick between the two readings: a pair is read again then.
        for (int attempt = 0; attempt < 3; ++attempt) {
            const std::vector<ReadingField> printed = readOnTheCommandLine(*use.reading);
            ASSERT_FALSE(printed.empty()) << code;
            const QWidget* form = readInForm(use.code);
            ASSERT_NE(form, nullptr) << code;
            missing = unshown(printed, shownValues(*form));
            if (missing.empty())
                break;
        }
        EXPECT_EQ(missing, std::vector<std::string>{}) << code;
    }
    EXPECT_EQ(readings, 17);
}

} // namespace
} // namespace morvelan

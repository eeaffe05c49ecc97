// The reading forms and the communication check, against scripted form services.
#include "FakeFormServices.h"
#include "QStringPrinting.h"
#include "TempDir.h"
#include "core/features/readings/EventLog.h"
#include "gui/forms/readings/CRightView_02_01.h"
#include "gui/forms/readings/CRightView_02_02.h"
#include "gui/forms/readings/CRightView_02_06.h"
#include "gui/forms/readings/CRightView_02_15.h"
#include "gui/forms/readings/CRightView_02_16.h"
#include "gui/forms/readings/CRightView_05_01.h"
#include "gui/forms/readings/ReadingForms.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace morvelan::test {
namespace {

QString field(const QWidget& form, const QString& name) {
    const auto* edit = form.findChild<QLineEdit*>(name);
    return edit != nullptr ? edit->text() : QStringLiteral("<missing %1>").arg(name);
}

class FormsReadingsWidgets : public ::testing::Test {
protected:
    // A reading answers `text` at `offset` and finds the printer, as the engine's would.
    void answer(std::string text, std::size_t offset = 0) {
        services.onRead = [this] { services.printers[0] = {true, "COM1", "QP-L30 MKIII", true}; };
        services.answerRead = [text, offset](int, int, std::span<char> data) {
            std::memcpy(data.data() + offset, text.data(), std::min(text.size(), data.size()));
            return true;
        };
    }
    template <typename Form> std::unique_ptr<Form> open(int step) {
        const auto* entry = registry.find(7, step);
        EXPECT_NE(entry, nullptr);
        FormContext context{services, 7, step, entry->mode, FormRecord(entry->recordSize, 0), true};
        auto form = std::make_unique<Form>(context);
        form->show();
        return form;
    }

    FormRegistry registry;
    FakeFormServices services;
    void SetUp() override { registerReadingForms(registry); }
};

TEST_F(FormsReadingsWidgets, RegistersEachFormUnderItsCodeWithRoomForItsReading) {
    const std::tuple<int, int, const char*, std::size_t> expected[] = {
        {1, 1, "CRightView_05_01", 0},   {7, 1, "CRightView_02_01", 0},
        {7, 2, "CRightView_02_02", 109}, {7, 6, "CRightView_02_06", 68},
        {7, 15, "CRightView_02_15", 2},  {7, 16, "CRightView_02_16", kEventLogRequestSize}};
    for (const auto& [group, item, formClass, size] : expected) {
        const auto* entry = registry.find(group, item);
        ASSERT_NE(entry, nullptr) << group << "." << item;
        EXPECT_EQ(entry->formClass, formClass);
        EXPECT_EQ(entry->recordSize, size) << formClass;
        FormContext context{services, group, item, entry->mode, FormRecord(size, 0), true};
        std::unique_ptr<QWidget> form(entry->create(context));
        EXPECT_EQ(form->objectName(), QString::fromLatin1(formClass));
    }
    EXPECT_EQ(registry.size(), std::size(expected));
}

TEST_F(FormsReadingsWidgets, CommunicationCheckAndStateRunForEveryPrinter) {
    FormContext context{services, 1, 1, FormMode::Plain, {}, true};
    CRightView_05_01 check(context);
    EXPECT_EQ(check.findChild<QLabel*>(QStringLiteral("checkText"))->text(),
              QStringLiteral("Este comando executa comunicação com o ECF para confirmar que a "
                             "porta foi corretamente aberta e que o ECF se encontra conectado"));
    EXPECT_EQ(check.sendButton()->text(), QStringLiteral("&Enviar"));
    check.sendButton()->click();
    check.sendButton()->click();
    ASSERT_EQ(services.runs.size(), 2u);
    EXPECT_EQ(services.runs[1].type, 1);
    EXPECT_EQ(services.runs[1].step, 1);
    EXPECT_EQ(services.runs[1].dataSize, 0u);
    EXPECT_EQ(services.runs[1].selection, 99);

    services.printers[0] = {true, "USB", "QP-R4100", false};
    auto state = open<CRightView_02_01>(1);
    EXPECT_EQ(state->checkButton()->text(), QStringLiteral("&Verificar o Estado do ECF"));
    EXPECT_EQ(state->printerSelector()->tabs()->tabText(0), QStringLiteral("QP-R4100 :: USB"));
    state->checkButton()->click();
    ASSERT_EQ(services.runs.size(), 3u);
    EXPECT_EQ(services.runs[2].type, 7);
    EXPECT_EQ(services.runs[2].step, 1);
    EXPECT_EQ(services.runs[2].selection, 99);
    EXPECT_TRUE(services.reads.empty());
}

TEST_F(FormsReadingsWidgets, FiscalDayShowsTheReadingOnTheNewTabAndKeepsItOnFailure) {
    auto form = open<CRightView_02_06>(6);
    EXPECT_EQ(form->printerSelector()->tabs()->count(), 0);
    EXPECT_EQ(field(*form, QStringLiteral("fiscalDayField0")), QString());
    EXPECT_EQ(form->readButton()->text(), QStringLiteral("&Ler Configuração Atual da Impressora"));

    answer("07122026083015010120000000000120000135000011002989000121000134100");
    form->readButton()->click();
    ASSERT_EQ(services.reads.size(), 1u);
    EXPECT_EQ(services.reads[0].step, 6);
    EXPECT_EQ(services.reads[0].dataSize, 68u);
    EXPECT_EQ(form->printerSelector()->tabs()->tabText(0), QStringLiteral("QP-L30 MKIII :: COM1"));
    EXPECT_EQ(field(*form, QStringLiteral("fiscalDayField0")), QStringLiteral("07/12/2026"));
    EXPECT_EQ(field(*form, QStringLiteral("fiscalDayField1")), QStringLiteral("08:30:15"));
    EXPECT_EQ(field(*form, QStringLiteral("fiscalDayField2")), QStringLiteral("-"));
    EXPECT_EQ(field(*form, QStringLiteral("fiscalDayField12")),
              QStringLiteral("Não Permitido (aguardando novo dia)"));
    EXPECT_TRUE(form->findChild<QLineEdit*>(QStringLiteral("fiscalDayField4"))->isReadOnly());

    services.answerRead = nullptr; // the printer fails: the engine has told, the fields stay
    form->readButton()->click();
    EXPECT_EQ(field(*form, QStringLiteral("fiscalDayField0")), QStringLiteral("07/12/2026"));
}

TEST_F(FormsReadingsWidgets, SerializationAndMicroswitchFieldsFromTheirReadings) {
    auto serial = open<CRightView_02_02>(2);
    answer(std::string(108, 'A').replace(60, 6, "QP-L30").replace(100, 8, "01.00.05"));
    serial->readButton()->click();
    EXPECT_EQ(field(*serial, QStringLiteral("serializationField3")),
              QStringLiteral("QP-L30") + QString(14, u'A'));
    EXPECT_EQ(field(*serial, QStringLiteral("serializationField5")), QStringLiteral("01.00.05"));

    auto switches = open<CRightView_02_15>(15);
    EXPECT_EQ(field(*switches, QStringLiteral("microswitchField0")), QString()); // not read yet
    answer(std::string("\0\0", 2)); // every switch off is an answer too
    switches->readButton()->click();
    EXPECT_EQ(field(*switches, QStringLiteral("microswitchField0")), QStringLiteral("OFF"));
    answer(std::string("\x41\0", 2));
    switches->readButton()->click();
    EXPECT_EQ(field(*switches, QStringLiteral("microswitchField0")), QStringLiteral("ON"));
    EXPECT_EQ(field(*switches, QStringLiteral("microswitchField6")), QStringLiteral("OFF"));
    EXPECT_EQ(field(*switches, QStringLiteral("microswitchField7")), QStringLiteral("ON"));
}

TEST_F(FormsReadingsWidgets, EventLogFillsTheGridAndSavesTheShownRows) {
    auto form = open<CRightView_02_16>(16);
    ASSERT_EQ(form->table()->rowCount(), 10);
    ASSERT_EQ(form->table()->columnCount(), 7);
    EXPECT_EQ(form->table()->horizontalHeaderItem(5)->text(), QStringLiteral("Comando"));
    EXPECT_EQ(form->saveButton()->text(), QStringLiteral("Salvar dados em arquivo"));

    std::string reading(kEventLogRequestSize, '\0');
    reading.replace(0, 54,
                    "071220261015M00000000104010"
                    "071220261016Z00000000205020");
    reading.replace(kEventLogCountOffset, 2, "54");
    answer(reading);
    form->readButton()->click();
    EXPECT_EQ(form->table()->item(1, 2)->text(), QStringLiteral("Z"));
    EXPECT_EQ(form->table()->item(1, 5)->text(), QStringLiteral("0502"));
    EXPECT_EQ(form->table()->item(2, 0)->text(), QString());
    EXPECT_EQ(field(*form, QStringLiteral("eventCount")), QStringLiteral("54"));

    // The file gets what the grid shows.
    EXPECT_EQ(form->grid()[0], (EventRow{"07122026", "1015", "M", "0000", "00001", "0401", "0"}));
}

} // namespace
} // namespace morvelan::test

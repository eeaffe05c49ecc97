// The shared form widgets: the printer tabs and hidden list, the abandon button, read-only mode.
#include "FakeFormServices.h"
#include "QStringPrinting.h"
#include "gui/forms/common/FormChrome.h"
#include "gui/forms/common/PrinterSelector.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace morvelan::test {
namespace {

TEST(FormsCommonWidgets, SelectorListsEveryPrinterHiddenAndTabsThePresentOnes) {
    FakeFormServices services;
    services.printers = {{true, "COM2", "QP-L30", false}};
    PrinterSelector selector(services, PrinterLabelStyle::PortModel, TabsShown::InReadMode);
    selector.show();
    selector.fillList();
    ASSERT_EQ(selector.list()->count(), 2);
    EXPECT_EQ(selector.list()->itemText(0), QStringLiteral("Todas as impressoras"));
    EXPECT_EQ(selector.list()->itemText(1), QStringLiteral("Para (COM2 :: QP-L30)"));
    EXPECT_FALSE(selector.list()->isVisible());
    EXPECT_EQ(selector.selection(), 99);
    selector.list()->setCurrentIndex(1);
    EXPECT_EQ(selector.selection(), 0);

    EXPECT_EQ(selector.currentSlot(), -1);
    std::vector<int> heard;
    selector.onTabChanged([&heard](int slot) { heard.push_back(slot); });
    selector.fillTabs();
    ASSERT_EQ(selector.tabs()->count(), 1);
    EXPECT_EQ(selector.tabs()->tabText(0), QStringLiteral("COM2 :: QP-L30"));
    EXPECT_EQ(selector.currentSlot(), 0);
    EXPECT_TRUE(heard.empty()); // refilling is no choice of the technician

    // Filling again replaces the tabs instead of adding to them; an absent printer has none.
    services.printers[0].present = false;
    selector.fillTabs();
    EXPECT_EQ(selector.tabs()->count(), 0);
}

class ProbeForm final : public CFormView {
public:
    explicit ProbeForm(FormContext& context) : CFormView(context, QStringLiteral("ProbeForm")) {
        auto* layout = new QVBoxLayout(this);
        edit = new QLineEdit(this);
        check = new QCheckBox(QStringLiteral("Negrito"), this);
        choice = new QComboBox(this);
        send = new QPushButton(QStringLiteral("&Enviar"), this);
        read = new QPushButton(QStringLiteral("&Ler Configuração"), this);
        for (QWidget* widget : std::initializer_list<QWidget*>{edit, check, choice, send, read})
            layout->addWidget(widget);
        abandon = addAbandonButton(layout);
    }
    void refreshControls() override { ++refreshes; }

    QLineEdit* edit;
    QCheckBox* check;
    QComboBox* choice;
    QPushButton* send;
    QPushButton* read;
    QPushButton* abandon;
    int refreshes = 0;
};

TEST(FormsCommonWidgets, FormTakesItsRecordAndShowsAbandonOnlyInASequence) {
    FakeFormServices services;
    FormContext context{services, 6, 5, FormMode::Send, FormRecord{'a', 'b'}, true};
    ProbeForm alone(context);
    alone.show();
    EXPECT_EQ(alone.objectName(), QStringLiteral("ProbeForm"));
    EXPECT_EQ(alone.record(), (FormRecord{'a', 'b'}));
    EXPECT_EQ(alone.mode(), FormMode::Send);
    EXPECT_FALSE(alone.abandon->isVisible());
    EXPECT_EQ(alone.abandon->text(), QStringLiteral("Abandonar Sequencia"));

    services.step = 2;
    FormContext stepContext{services, 6, 5, FormMode::Send, {}, false};
    ProbeForm step(stepContext);
    step.show();
    EXPECT_FALSE(step.runsAlone());
    ASSERT_TRUE(step.abandon->isVisible());
    services.recordedPrompts.answers = {true};
    step.abandon->click();
    EXPECT_TRUE(services.treeEnabled);
    EXPECT_EQ(services.switches, (std::vector<std::pair<int, int>>{{0, 0}}));
}

TEST(FormsCommonWidgets, ReadOnlyModeLocksEditorsHidesSendControlsAndKeepsReading) {
    FakeFormServices services;
    FormContext context{services, 7, 5, FormMode::Read, {}, true};
    ProbeForm form(context);
    form.show();
    applyReadOnlyMode(&form, {form.send, form.abandon});
    EXPECT_TRUE(form.edit->isReadOnly());
    EXPECT_FALSE(form.check->isEnabled());
    EXPECT_FALSE(form.choice->isEnabled());
    EXPECT_FALSE(form.send->isVisible());
    EXPECT_TRUE(form.read->isVisible());
    EXPECT_TRUE(form.read->isEnabled());
}

} // namespace
} // namespace morvelan::test

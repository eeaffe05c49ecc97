// The function tree and form switching: labels, icons, what each pick shows, the 6.13 flag, the
// script generator's item, and forms pre-filled with the values a send stored.
#include "QStringPrinting.h"
#include "RecordingPrompts.h"
#include "core/engine/FunctionNames.h"
#include "gui/app/CLeftView.h"
#include "gui/app/CMainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHash>
#include <QHelpEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace morvelan {
namespace {

struct AppFormSwitch : testing::Test {
    QTemporaryDir programDir;
    CMorvelanDoc document;
    test::RecordingPrompts prompts;
    std::unique_ptr<CMainFrame> frame = std::make_unique<CMainFrame>(
        document, prompts, programDir.path().toStdString(), [] { return BoundLibrary{}; });

    QTreeWidgetItem* root() const { return frame->functionTree()->topLevelItem(0); }
    // The tree entry labelled "NN.MM - ...", or the group "NN - ..." when item is 0.
    QTreeWidgetItem* entry(int group, int item = 0) const {
        const auto prefix = item == 0 ? QStringLiteral("%1 - ").arg(group, 2, 10, QLatin1Char('0'))
                                      : QStringLiteral("%1.%2 - ")
                                            .arg(group, 2, 10, QLatin1Char('0'))
                                            .arg(item, 2, 10, QLatin1Char('0'));
        for (int g = 0; g < root()->childCount(); ++g) {
            auto* groupEntry = root()->child(g);
            if (item == 0 && groupEntry->text(0).startsWith(prefix))
                return groupEntry;
            for (int i = 0; i < groupEntry->childCount(); ++i)
                if (groupEntry->child(i)->text(0).startsWith(prefix))
                    return groupEntry->child(i);
        }
        return nullptr;
    }
    void press(QTreeWidgetItem* item) {
        ASSERT_NE(item, nullptr);
        Q_EMIT frame->functionTree()->itemPressed(item, 0);
    }
    QString shown() const { return frame->currentForm()->objectName(); }
};

// A form that remembers what it was created with.
struct Probe {
    int created = 0;
    FormMode mode = FormMode::Plain;
    FormRecord record;
    bool runsAlone = false;
    FormEntry entry(FormMode formMode, InitialData data, std::size_t size, bool returnsForm) {
        return {"ProbeForm", formMode, data, size, [this, returnsForm](FormContext& context) {
                    ++created;
                    mode = context.mode;
                    record = context.record;
                    runsAlone = context.runsAlone;
                    QWidget* form = nullptr;
                    if (returnsForm) {
                        form = new QWidget;
                        form->setObjectName(QStringLiteral("ProbeForm"));
                    }
                    return form;
                }};
    }
};

TEST_F(AppFormSwitch, TreeShowsEveryNumberedNameAndLeavesTheUnusedOnesOut) {
    int items = 0;
    for (const auto& group : functionGroups()) {
        auto* groupEntry = entry(group.number);
        ASSERT_NE(groupEntry, nullptr) << group.number;
        EXPECT_EQ(groupEntry->text(0), groupLabel(group.number, group.name));
        ASSERT_EQ(groupEntry->childCount(), static_cast<int>(group.items.size()));
        for (const auto& item : group.items) {
            ++items;
            ASSERT_NE(entry(group.number, item.number), nullptr);
        }
    }
    EXPECT_EQ(items, 51);
    EXPECT_EQ(entry(4), nullptr);
    EXPECT_EQ(entry(2, 2), nullptr);
    EXPECT_EQ(entry(6, 14), nullptr);
    EXPECT_EQ(entry(6, 15)->text(0), QStringLiteral("06.15 - Operador"));
    EXPECT_EQ(entry(10, 3)->text(0), QStringLiteral("10.03 - Salvar Como"));
    EXPECT_EQ(itemLabel(9, 2, "Executor de scripts"),
              QStringLiteral("09.02 - Executor de scripts"));
}

TEST_F(AppFormSwitch, AnEntryCutShortShowsItsWholeNameUnderTheMouse) {
    frame->show();
    auto* tree = frame->functionTree();
    tree->expandAll();
    QApplication::processEvents();
    const auto tipOver = [tree](QTreeWidgetItem* item) {
        const QPoint at = tree->visualItemRect(item).center();
        QHelpEvent event(QEvent::ToolTip, at, tree->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipOver(entry(1)), QString());
    EXPECT_EQ(tipOver(entry(2, 1)), entry(2, 1)->text(0));
}

TEST_F(AppFormSwitch, RootGroupsAndItemsHaveTheirOwnClosedAndOpenPictures) {
    const auto image = [](QTreeWidgetItem* item, QIcon::Mode mode) {
        return item->icon(0).pixmap(16, 16, mode).toImage();
    };
    QTreeWidgetItem* kinds[] = {root(), entry(6), entry(6, 7)};
    for (auto* kind : kinds) {
        ASSERT_FALSE(kind->icon(0).isNull()) << kind->text(0).toStdString();
        EXPECT_NE(image(kind, QIcon::Normal), image(kind, QIcon::Selected))
            << kind->text(0).toStdString();
    }
    EXPECT_NE(image(kinds[0], QIcon::Normal), image(kinds[1], QIcon::Normal));
    EXPECT_NE(image(kinds[1], QIcon::Normal), image(kinds[2], QIcon::Normal));
    EXPECT_EQ(image(entry(7), QIcon::Normal), image(kinds[1], QIcon::Normal));
}

TEST_F(AppFormSwitch, GroupsTheRootAndCodesWithoutAFormShowTheEmptyForm) {
    press(entry(7, 6));
    EXPECT_EQ(shown(), QStringLiteral("CRightView_02_06"));
    press(entry(7));
    EXPECT_EQ(shown(), QStringLiteral("CRightView_00_00"));
    press(entry(7, 2));
    press(root());
    EXPECT_EQ(shown(), QStringLiteral("CRightView_00_00"));
    EXPECT_EQ(frame->currentCode(), std::pair(0, 0));
    frame->switchForm(1, 2);
    EXPECT_EQ(shown(), QStringLiteral("CRightView_00_00"));
    frame->switchForm(42, 7);
    EXPECT_EQ(shown(), QStringLiteral("CRightView_00_00"));

    // Every item opens its form, or the empty one until its module exists.
    for (const auto& group : functionGroups()) {
        for (const auto& item : group.items) {
            if (group.number == 9 && item.number == 1)
                continue; // a dialog over the tree, below
            press(entry(group.number, item.number));
            const auto* registered = frame->formRegistry().find(group.number, item.number);
            EXPECT_EQ(shown(), registered != nullptr ? QString::fromStdString(registered->formClass)
                                                     : QStringLiteral("CRightView_00_00"))
                << group.number << "." << item.number;
        }
    }
}

TEST_F(AppFormSwitch, PickingAnItemAgainResetsItsFormAndEndsASequence) {
    press(entry(7, 16));
    auto* first = frame->currentForm();
    frame->engine().sequenceStep = 4;
    press(entry(7, 16));
    EXPECT_NE(frame->currentForm(), first);
    EXPECT_EQ(frame->engine().sequenceStep, 99);
}

TEST_F(AppFormSwitch, HelpOpensAtThePageOfTheReadingOnScreen) {
    frame->show();
    press(entry(7, 16));
    frame->showHelp();
    auto* browser = frame->findChild<QTextBrowser*>(QStringLiteral("browser"));
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().toString(), QStringLiteral("qrc:/help/f07_16.html"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Salvar dados em arquivo")));
    frame->close();
}

TEST_F(AppFormSwitch, KeyboardPicksKeepTheTreeInHand) {
    frame->show();
    frame->activateWindow();
    auto* tree = frame->functionTree();
    QApplication::processEvents();
    ASSERT_TRUE(tree->hasFocus()); // from the start
    tree->setCurrentItem(entry(7, 6));
    EXPECT_EQ(shown(), QStringLiteral("CRightView_02_06"));
    EXPECT_TRUE(tree->hasFocus()); // the next arrow key still moves in the tree
    tree->setCurrentItem(entry(7, 15));
    EXPECT_EQ(shown(), QStringLiteral("CRightView_02_15"));

    // Tab goes from the tree to the form's first control, not to the pane or an empty printer
    // strip, and on through the form as it reads, top to bottom, whatever its building order.
    const auto tabStops = [&](int group, int item, int count) {
        tree->setFocus();
        tree->setCurrentItem(entry(group, item));
        QApplication::processEvents();
        QStringList names;
        for (int i = 0; i < count; ++i) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    };
    EXPECT_EQ(tabStops(5, 1, 1), QStringList{QStringLiteral("sendButton")});
    EXPECT_EQ(tabStops(6, 3, 3),
              (QStringList{QStringLiteral("currencyEdit"), QStringLiteral("sendButton"),
                           QStringLiteral("readButton")}));
}

// The first form with a printer strip detects the printer behind a modal progress window; the
// main window is not yet active again when the form arrives, and the pick still came from the tree.
TEST_F(AppFormSwitch, AKeyboardPickThatWaitsForTheDetectionKeepsTheTreeInHand) {
    const auto detectingForm = [this](FormContext&) -> QWidget* {
        QDialog detection(frame.get());
        QTimer::singleShot(0, &detection, &QDialog::accept);
        detection.exec();
        auto* form = new QWidget;
        form->setObjectName(QStringLiteral("DetectingForm"));
        new QLineEdit(form);
        return form;
    };
    frame->formRegistry().add(
        7, 6, {"DetectingForm", FormMode::Plain, InitialData::None, 0, detectingForm});
    frame->show();
    frame->activateWindow();
    auto* tree = frame->functionTree();
    QApplication::processEvents();
    tree->setCurrentItem(entry(7, 6));
    QApplication::processEvents();
    EXPECT_EQ(shown(), QStringLiteral("DetectingForm"));
    EXPECT_EQ(frame->focusWidget(), tree);
}

TEST_F(AppFormSwitch, ScriptGeneratorOpensAtEveryPickAndGivesTheSelectionToItsGroup) {
    Probe dialog;
    frame->formRegistry().add(9, 1, dialog.entry(FormMode::Plain, InitialData::None, 0, false));
    press(entry(9, 1));
    EXPECT_EQ(frame->functionTree()->currentItem(), entry(9));
    EXPECT_EQ(shown(), QStringLiteral("CRightView_00_00"));
    press(entry(9, 1));
    EXPECT_EQ(dialog.created, 2);
    EXPECT_EQ(frame->functionTree()->currentItem(), entry(9));
}

TEST_F(AppFormSwitch, ScriptGeneratorBelongsToItsFrameWhicheverWindowIsActive) {
    QWidget other;
    other.show();
    other.activateWindow();
    QWidget* parent = &other;
    QString opened;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = QApplication::activeModalWidget()) {
            opened = dialog->objectName();
            parent = dialog->parentWidget();
            dialog->close();
        }
    });
    press(entry(9, 1));
    EXPECT_EQ(opened, QStringLiteral("CScriptDlg"));
    EXPECT_EQ(parent, frame.get());
}

TEST_F(AppFormSwitch, TaxpayerFormIsToldWhetherItRunsAlone) {
    Probe taxpayer;
    frame->formRegistry().add(6, 13,
                              taxpayer.entry(FormMode::Send, InitialData::LastValues, 262, true));
    Probe reading;
    frame->formRegistry().add(7, 3, reading.entry(FormMode::Read, InitialData::Empty, 262, true));
    press(entry(6, 13));
    EXPECT_EQ(shown(), QStringLiteral("ProbeForm"));
    EXPECT_TRUE(taxpayer.runsAlone);
    EXPECT_EQ(taxpayer.mode, FormMode::Send);
    EXPECT_EQ(taxpayer.record.size(), 262u);

    frame->advanceSealing(0); // step 0: date and time
    frame->advanceSealing(1); // step 1: the taxpayer data
    EXPECT_EQ(frame->currentCode(), std::pair(6, 13));
    EXPECT_FALSE(taxpayer.runsAlone);

    press(entry(7, 3));
    EXPECT_TRUE(reading.runsAlone);
    EXPECT_EQ(reading.mode, FormMode::Read);
}

// An "&" letter must reach one control: two controls of a form with one letter, or one shared with
// the menu, take turns at the focus instead of acting, and a label's letter needs a buddy.
TEST_F(AppFormSwitch, EveryFormsAcceleratorsReachOneControlEach) {
    frame->show();
    for (const auto& group : functionGroups()) {
        for (const auto& item : group.items) {
            if (group.number == 9 && item.number == 1)
                continue; // a dialog over the tree
            press(entry(group.number, item.number));
            QWidget* form = frame->currentForm();
            QHash<QKeySequence, QString> taken{
                {QKeySequence::mnemonic(QStringLiteral("A&rquivo")), QStringLiteral("A&rquivo")}};
            const auto take = [&](const QString& text) {
                const auto key = QKeySequence::mnemonic(text);
                // The decimal presets keep the letters printed on them: Alt+C takes turns
                // between "&Casas (PADRÃO)" and "Casas (POSTO DE &COMBUSTÍVEL)", Space presses.
                if (key.isEmpty() || text == QString::fromUtf8("Casas (POSTO DE &COMBUSTÍVEL)"))
                    return;
                EXPECT_FALSE(taken.contains(key))
                    << group.number << "." << item.number << ": " << text.toStdString() << " / "
                    << taken[key].toStdString();
                taken.insert(key, text);
            };
            for (auto* widget : form->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(form))
                    continue;
                if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                    take(button->text());
                } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
                    take(box->title());
                } else if (auto* label = qobject_cast<QLabel*>(widget);
                           label != nullptr && !Qt::mightBeRichText(label->text())) {
                    if (!QKeySequence::mnemonic(label->text()).isEmpty()) {
                        EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
                    }
                    take(label->text());
                } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
                    for (int tab = 0; tab < tabs->count(); ++tab)
                        take(tabs->tabText(tab));
                }
            }
        }
    }
}

} // namespace
} // namespace morvelan

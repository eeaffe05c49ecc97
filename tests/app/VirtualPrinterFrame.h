// The program's main window on the virtual printer, for the tests that drive it as a technician
// does: through the function tree and the forms' buttons.
#pragma once

#include "RecordingPrompts.h"
#include "StateFile.h"
#include "gui/app/CLeftView.h"
#include "gui/app/CMainFrame.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace morvelan::test {

struct VirtualPrinterFrame : testing::Test {
    QTemporaryDir programDir;
    CMorvelanDoc document;
    RecordingPrompts prompts;
    std::unique_ptr<CMainFrame> frame;

    static std::string statePath() { return std::getenv("KORVA_SIM_STATE"); }

    // Gives the virtual printer the state `printer` makes, then starts a program on it.
    void startOn(const std::function<void(korva::PrinterState&)>& printer) {
        korva::modifyState(statePath(), printer);
        start();
    }
    // A program just started, with no printer detected yet.
    void start() {
        frame.reset();
        frame = std::make_unique<CMainFrame>(document, prompts, programDir.path().toStdString(),
                                             CMainFrame::libraryInDirectory(MORVELAN_LIBRARY_DIR));
        frame->show();
    }

    // Picks group.item in the tree, as a click there does; false when the tree has no such item.
    bool pick(int group, int item) const {
        auto* tree = frame->functionTree();
        const auto entries = tree->findItems(QStringLiteral("%1.%2 - ")
                                                 .arg(group, 2, 10, QLatin1Char('0'))
                                                 .arg(item, 2, 10, QLatin1Char('0')),
                                             Qt::MatchStartsWith | Qt::MatchRecursive);
        if (entries.size() != 1)
            return false;
        Q_EMIT tree->itemPressed(entries.front(), 0);
        return true;
    }

    // Presses `button` from inside an event loop, as the technician's click arrives: a form
    // replaced while it runs an operation is deleted only once that loop has it back.
    static void press(QPushButton* button) {
        QEventLoop loop;
        QTimer::singleShot(0, button, [button, &loop] {
            button->click();
            loop.quit();
        });
        loop.exec();
    }
};

} // namespace morvelan::test

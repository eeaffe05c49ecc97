// A second yardstick for the program's start-up: the bare window with the content of the
// program's first window, built from Qt widgets and the tree's own labels and icons, and nothing
// else of the program's. The bare window against this one is what the content costs; this one
// against the program is what the program costs beyond it.
#include "core/engine/FunctionNames.h"
#include "gui/app/AfterFirstPaint.h"
#include "gui/app/FunctionTreeLabels.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>

#include <cstdlib>

namespace {

QTreeWidget* functionTree(QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    tree->setUniformRowHeights(true);
    const QIcon groupIcon = morvelan::entryIcon(QStringLiteral("group"));
    const QIcon itemIcon = morvelan::entryIcon(QStringLiteral("item"));
    auto* root = new QTreeWidgetItem(tree, {QStringLiteral("Funções")});
    root->setIcon(0, morvelan::entryIcon(QStringLiteral("root")));
    for (const auto& group : morvelan::functionGroups()) {
        auto* groupEntry =
            new QTreeWidgetItem(root, {morvelan::groupLabel(group.number, group.name)});
        groupEntry->setIcon(0, groupIcon);
        for (const auto& item : group.items) {
            auto* itemEntry = new QTreeWidgetItem(
                groupEntry, {morvelan::itemLabel(group.number, item.number, item.name)});
            itemEntry->setIcon(0, itemIcon);
        }
    }
    root->setExpanded(true);
    return tree;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("A&rquivo"));
    window.menuBar()->addMenu(QStringLiteral("Aj&uda"));
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Pronto")), 1);
    for (const char* name : {"CAP", "NUM", "SCRL"}) {
        auto* indicator = new QLabel(QString::fromLatin1(name));
        indicator->setFrameShape(QFrame::Panel);
        indicator->setFrameShadow(QFrame::Sunken);
        window.statusBar()->addPermanentWidget(indicator);
    }
    auto* splitter = new QSplitter(Qt::Horizontal);
    auto* tree = functionTree(splitter);
    auto* form = new QScrollArea(splitter);
    form->setWidget(new QLabel(QStringLiteral(
        "Escolha uma função na árvore à esquerda.\nF1 abre a ajuda da função escolhida.")));
    splitter->addWidget(tree);
    splitter->addWidget(form);
    splitter->setSizes({300, 580});
    window.setCentralWidget(splitter);
    window.showMaximized();
    morvelan::afterFirstPaint(window, [] { std::_Exit(0); });
    return QApplication::exec();
}

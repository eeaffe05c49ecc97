// A second yardstick for the program's start-up: the bare window with the content of the
// program's first window, built from Qt widgets alone and nothing of the program's own. The
// bare window against this one is what the content costs; this one against the program is what
// the program costs beyond it.
#include "core/engine/FunctionNames.h"
#include "gui/app/AfterFirstPaint.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>

#include <cstdlib>

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString twoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QIcon iconPair(const QString& kind) {
    QIcon icon(QStringLiteral(":/icons/%1_closed.png").arg(kind));
    icon.addFile(QStringLiteral(":/icons/%1_open.png").arg(kind), {}, QIcon::Selected);
    return icon;
}

QTreeWidget* functionTree(QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    tree->setUniformRowHeights(true);
    const QIcon groupIcon = iconPair(QStringLiteral("group"));
    const QIcon itemIcon = iconPair(QStringLiteral("item"));
    auto* root = new QTreeWidgetItem(tree, {QStringLiteral("Funções")});
    root->setIcon(0, iconPair(QStringLiteral("root")));
    for (const auto& group : morvelan::functionGroups()) {
        auto* groupEntry = new QTreeWidgetItem(
            root, {twoDigits(group.number) + QStringLiteral(" - ") + fromUtf8(group.name)});
        groupEntry->setIcon(0, groupIcon);
        for (const auto& item : group.items) {
            auto* itemEntry = new QTreeWidgetItem(
                groupEntry, {twoDigits(group.number) + QLatin1Char('.') + twoDigits(item.number) +
                             QStringLiteral(" - ") + fromUtf8(item.name)});
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
    window.statusBar()->showMessage(QStringLiteral("Pronto"));
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

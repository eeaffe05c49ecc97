// The yardstick for the program's start-up: a Qt main window with a menu, a status line and a
// label, shown as the program shows its own, that exits once it is visible. It has text, as
// every real window has, so that both sides load the fonts.
#include "gui/app/AfterFirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("A&rquivo"));
    window.statusBar()->showMessage(QStringLiteral("Pronto"));
    window.setCentralWidget(new QLabel(QStringLiteral("Morvelan")));
    window.showMaximized();
    morvelan::afterFirstPaint(window, [] { std::_Exit(0); });
    return QApplication::exec();
}

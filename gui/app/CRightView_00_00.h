// The empty form: what the right pane shows when no function is picked.
#pragma once

#include <QWidget>

namespace morvelan {

class CRightView_00_00 final : public QWidget {
public:
    explicit CRightView_00_00(QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("CRightView_00_00"));
    }
};

} // namespace morvelan

// Shows a longer text handed over by a form (taxpayer data, signature keys) in a read-only box.
#pragma once

#include <QDialog>

namespace morvelan {

class RespDlg final : public QDialog {
public:
    explicit RespDlg(const QString& text, QWidget* parent = nullptr);

    QString text() const;

private:
    QString m_text;
};

} // namespace morvelan

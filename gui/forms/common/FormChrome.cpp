#include "gui/forms/common/FormChrome.h"

#include "core/features/common/SequenceAbandon.h"
#include "gui/dialogs/ReadOnlyText.h"
#include "gui/forms/common/Cp1252Validator.h"
#include "gui/forms/common/TabOrder.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

namespace morvelan {

CFormView::CFormView(FormContext& context, const QString& formClass, QWidget* parent)
    : QWidget(parent), m_services(context.services), m_mode(context.mode),
      m_runsAlone(context.runsAlone), m_record(std::move(context.record)) {
    setObjectName(formClass);
}

void CFormView::showEvent(QShowEvent* event) {
    if (!m_prepared) {
        restrictTextToCp1252(this);
        orderTabStopsByPosition(this);
        m_prepared = true;
    }
    QWidget::showEvent(event);
}

QPushButton* CFormView::addAbandonButton(QBoxLayout* layout) {
    auto* button = new QPushButton(QString::fromUtf8(kAbandonSequenceText), this);
    button->setObjectName(QStringLiteral("abandonSequence"));
    button->setVisible(sequenceRunning(m_services));
    connect(button, &QPushButton::clicked, this, [this] { abandonSequence(m_services); });
    layout->addWidget(button);
    return button;
}

void applyReadOnlyMode(QWidget* form, std::initializer_list<QWidget*> hidden) {
    for (auto* edit : form->findChildren<QLineEdit*>()) {
        edit->setReadOnly(true);
        keepTextFromStart(edit);
    }
    for (auto* edit : form->findChildren<QTextEdit*>())
        edit->setReadOnly(true);
    for (auto* edit : form->findChildren<QPlainTextEdit*>())
        edit->setReadOnly(true);
    for (auto* table : form->findChildren<QTableWidget*>())
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (auto* spin : form->findChildren<QAbstractSpinBox*>())
        spin->setReadOnly(true);
    for (auto* choice : form->findChildren<QComboBox*>())
        choice->setEnabled(false);
    for (auto* button : form->findChildren<QAbstractButton*>())
        if (button->isCheckable())
            button->setEnabled(false);
    for (auto* widget : hidden)
        if (widget != nullptr)
            widget->hide();
}

} // namespace morvelan

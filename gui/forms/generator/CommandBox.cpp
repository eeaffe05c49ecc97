#include "gui/forms/generator/CommandBox.h"

#include "gui/forms/common/FormChrome.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

namespace morvelan {
namespace {

constexpr int kGroupRole = Qt::UserRole;
constexpr int kCommandRole = Qt::UserRole + 1;

} // namespace

CommandBox::CommandBox(Chosen chosen, QWidget* parent)
    : QWidget(parent), m_chosen(std::move(chosen)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("Comando:"), this);
    m_line = new QLineEdit(this);
    m_line->setObjectName(QStringLiteral("commandBox"));
    label->setBuddy(m_line);
    m_fieldCount = new QLabel(this);
    m_fieldCount->setObjectName(QStringLiteral("fieldCount"));
    row->addWidget(label);
    row->addWidget(m_line, 1);
    row->addWidget(m_fieldCount);

    m_commands = new QStandardItemModel(0, 2, this);
    m_offered = new QSortFilterProxyModel(this);
    m_offered->setSourceModel(m_commands);
    m_offered->setFilterKeyColumn(-1);
    m_completer = new QCompleter(m_offered, this);
    m_completer->setObjectName(QStringLiteral("commandCompleter"));
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    // Bound to the box without taking over its text: the box shows the form's command, which
    // the choice changes through `chosen`.
    m_completer->setWidget(m_line);
    connect(m_line, &QLineEdit::textEdited, this, &CommandBox::offer);
    connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &CommandBox::choose);
    // A whole code typed and Enter: the one command offered needs no pick from the list.
    connect(m_line, &QLineEdit::returnPressed, this, [this] {
        if (m_offered->rowCount() == 1)
            choose(m_offered->index(0, 0));
    });
}

void CommandBox::choose(const QModelIndex& offered) {
    m_chosen(offered.data(kGroupRole).toInt(), offered.data(kCommandRole).toInt());
}

void CommandBox::setChoices(const std::vector<CommandChoice>& choices) {
    m_commands->removeRows(0, m_commands->rowCount());
    // The offered text is "code - name"; the name again in a second column lets a row match on
    // the start of either.
    for (const CommandChoice& choice : choices) {
        auto* offered = new QStandardItem(qtText(CommandChoiceText(choice.code, choice.name)));
        offered->setData(choice.group, kGroupRole);
        offered->setData(choice.command, kCommandRole);
        m_commands->appendRow({offered, new QStandardItem(qtText(choice.name))});
    }
}

void CommandBox::offer(const QString& typed) {
    m_offered->setFilterRegularExpression(
        QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(typed.trimmed()),
                           QRegularExpression::CaseInsensitiveOption));
    if (typed.trimmed().isEmpty() || m_offered->rowCount() == 0) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->complete();
}

void CommandBox::showCommand(const QString& command, int fieldCount) {
    m_line->setText(command);
    m_fieldCount->setText(command.isEmpty() ? QString()
                                            : QStringLiteral("%1 campo(s)").arg(fieldCount));
}

} // namespace morvelan

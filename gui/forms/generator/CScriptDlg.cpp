#include "gui/forms/generator/CScriptDlg.h"

#include "core/base/Cp1252.h"
#include "gui/dialogs/CScriptOutputDlg.h"
#include "gui/forms/common/Cp1252Validator.h"
#include "gui/forms/common/FormChrome.h"
#include "gui/forms/generator/CommandBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace morvelan {

namespace {
QString fromBytes(const std::string& cp1252) {
    return qtText(fromCp1252(cp1252));
}
std::string toBytes(const QString& text) {
    return toCp1252(text.toStdString());
}
} // namespace

CScriptDlg::CScriptDlg(FormServices& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_editor(services.engine()) {
    setObjectName(QStringLiteral("CScriptDlg"));
    setWindowTitle(QStringLiteral("Dialog"));
    resize(1180, 720);
    auto* columns = new QHBoxLayout(this);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("commandTree"));
    m_tree->setHeaderLabel(QStringLiteral("Comandos"));
    m_tree->setMinimumWidth(300);
    columns->addWidget(m_tree, 2);

    auto* form = new QGridLayout;
    m_extensionLabel = new QLabel(QStringLiteral("Extensão:"), this);
    m_extension = new QComboBox(this);
    m_extension->setObjectName(QStringLiteral("extension"));
    form->addWidget(m_extensionLabel, 0, 0);
    form->addWidget(m_extension, 0, 1);
    for (int i = 0; i < kMaxFields; ++i) {
        m_labels[i] =
            new QLabel(QStringLiteral("CAMPO %1").arg(i + 1, 2, 10, QLatin1Char('0')), this);
        m_labels[i]->setObjectName(QStringLiteral("fieldLabel%1").arg(i + 1));
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(QStringLiteral("field%1").arg(i + 1));
        form->addWidget(m_labels[i], i + 1, 0);
        form->addWidget(m_fields[i], i + 1, 1);
    }
    m_commentLabel = new QLabel(QStringLiteral("Comentário"), this);
    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("comment"));
    form->addWidget(m_commentLabel, kMaxFields + 1, 0);
    form->addWidget(m_comment, kMaxFields + 1, 1);
    auto* formButtons = new QHBoxLayout;
    m_add = button("Adicionar ao Script", "addButton");
    m_send = button("Enviar para impressora", "sendButton");
    m_saveEdit = button("Salvar Edição", "saveEditButton");
    m_defaults = button("Usar valor(es) como default", "defaultsButton");
    for (auto* b : {m_add, m_send, m_saveEdit, m_defaults})
        formButtons->addWidget(b);
    form->addLayout(formButtons, kMaxFields + 2, 0, 1, 2);
    form->setRowStretch(kMaxFields + 3, 1);
    m_commandBox = new CommandBox(
        [this](int group, int command) {
            act([this, group, command](int s) {
                return m_editor.chooseCommand(group, command), s;
            });
        },
        this);
    auto* formColumn = new QVBoxLayout;
    formColumn->addWidget(m_commandBox);
    formColumn->addLayout(form, 1);
    columns->addLayout(formColumn, 3);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Comandos do Script"), this));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("scriptList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    right->addWidget(m_list, 1);
    auto* listButtons = new QGridLayout;
    const std::pair<const char*, const char*> listActions[] = {
        {"UP", "upButton"},
        {"Down", "downButton"},
        {"Remover Linha", "removeButton"},
        {"Inserir Comentário", "insertCommentButton"},
        {"Comentar Comando", "commentButton"},
        {"Descomentar Comando", "uncommentButton"},
        {"Carregar Script", "loadButton"},
        {"Salvar Script", "saveButton"},
        {"Limpar Script", "clearButton"},
        {"Verificar Script", "checkButton"},
        {"Executar Script", "executeButton"}};
    int n = 0;
    for (const auto& [text, name] : listActions) {
        listButtons->addWidget(button(text, name), n / 2, n % 2);
        ++n;
    }
    right->addLayout(listButtons);
    right->addWidget(new QLabel(QStringLiteral("Execução de Script"), this));
    auto* logRow = new QHBoxLayout;
    m_log = new QTextEdit(this);
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setReadOnly(true);
    m_log->setMaximumHeight(120);
    logRow->addWidget(m_log, 1);
    auto* details = button("...", "detailsButton");
    logRow->addWidget(details, 0, Qt::AlignTop);
    right->addLayout(logRow);
    columns->addLayout(right, 3);

    connect(m_tree, &QTreeWidget::itemClicked, this, &CScriptDlg::onTreeItem);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { onTreeItem(item); });
    connect(m_list, &QListWidget::itemClicked, this,
            [this] { act([this](int s) { return m_editor.selectLine(s); }); });
    const auto on = [this](const char* name, auto action) {
        connect(findChild<QPushButton*>(QString::fromLatin1(name)), &QPushButton::clicked, this,
                [this, action] { act(action); });
    };
    on("addButton", [this](int s) { return m_editor.add(s); });
    on("saveEditButton", [this](int s) { return m_editor.saveEdit(s); });
    on("upButton", [this](int s) { return m_editor.moveUp(s); });
    on("downButton", [this](int s) { return m_editor.moveDown(s); });
    on("removeButton", [this](int s) { return m_editor.remove(s); });
    on("commentButton", [this](int s) { return m_editor.commentCommand(s); });
    on("uncommentButton", [this](int s) { return m_editor.uncommentCommand(s); });
    on("insertCommentButton", [this](int s) { return m_editor.insertComment(), s; });
    on("sendButton", [this](int s) { return m_editor.sendToPrinter(), s; });
    on("defaultsButton", [this](int s) { return m_editor.saveDefaults(), s; });
    on("loadButton", [this](int) { return m_editor.loadScript(), -1; });
    on("saveButton", [this](int) { return m_editor.saveScript(), -1; });
    on("clearButton", [this](int) { return m_editor.clearScript(), -1; });
    on("checkButton", [this](int s) { return m_editor.checkScript(), s; });
    on("executeButton", [this](int s) { return m_editor.executeScript(), s; });
    connect(details, &QPushButton::clicked, this, &CScriptDlg::showDetails);

    // The lines go to the printer and into the script file in Windows-1252: what the code page
    // cannot carry is kept out of the fields, as in every form.
    restrictTextToCp1252(this);
    m_opened = m_editor.open();
    if (!m_opened) {
        // The message has been shown; the dialog closes as soon as it is run.
        QTimer::singleShot(0, this, &QDialog::reject);
    }
    buildTree();
    m_commandBox->setChoices(CommandChoices(m_editor.dictionary()));
    push(-1);
}

QPushButton* CScriptDlg::button(const char* text, const char* name) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

void CScriptDlg::buildTree() {
    auto* root = new QTreeWidgetItem(m_tree, {QStringLiteral("Comandos")});
    for (const TreeGroup& group : m_editor.tree()) {
        auto* groupItem = new QTreeWidgetItem(root, {qtText(group.text)});
        for (const TreeCommand& command : group.commands) {
            auto* item = new QTreeWidgetItem(groupItem, {qtText(command.text)});
            item->setData(0, Qt::UserRole, command.group);
            item->setData(0, Qt::UserRole + 1, command.command);
        }
    }
    root->setExpanded(true);
}

void CScriptDlg::onTreeItem(QTreeWidgetItem* item) {
    if (item == nullptr)
        return;
    // Only a command node under a group node names a command; the node text carries the slots.
    const bool command = item->parent() != nullptr && item->parent()->parent() != nullptr;
    const QString text = item->text(0);
    const int group = command ? item->parent()->text(0).left(2).toInt() : 0;
    const int number = command ? text.mid(3, 2).toInt() : 0;
    m_editor.pickCommand(group, number);
    push(m_list->currentRow());
}

template <typename Action> void CScriptDlg::act(Action action) {
    pull();
    const int selected = m_list->currentItem() != nullptr && m_list->currentItem()->isSelected()
                             ? m_list->currentRow()
                             : -1;
    push(action(selected));
}

void CScriptDlg::pull() {
    EditorForm& form = m_editor.form();
    for (int i = 0; i < kMaxFields; ++i)
        form.values[i] = toBytes(m_fields[i]->text());
    form.comment = toBytes(m_comment->text());
    form.extension = m_extension->currentIndex();
}

void CScriptDlg::push(int selected) {
    const EditorForm& form = m_editor.form();
    m_commandBox->showCommand(fromBytes(form.command), form.fieldCount);
    for (int i = 0; i < kMaxFields; ++i) {
        const bool shown = i < form.fieldCount;
        m_labels[i]->setVisible(shown);
        m_fields[i]->setVisible(shown);
        m_labels[i]->setText(fromBytes(form.labels[i]));
        m_fields[i]->setText(fromBytes(form.values[i]));
        m_fields[i]->setEnabled(form.enabled[i]);
    }
    m_extension->clear();
    for (const std::string& entry : form.extensions)
        m_extension->addItem(fromBytes(entry));
    m_extension->setCurrentIndex(form.extension);
    m_extension->setVisible(!form.extensions.empty());
    m_extensionLabel->setVisible(!form.extensions.empty());
    m_commentLabel->setVisible(form.commentShown);
    m_comment->setVisible(form.commentShown);
    m_comment->setText(fromBytes(form.comment));
    m_add->setVisible(form.addShown);
    m_send->setVisible(form.addShown && m_editor.mode() == EditorMode::Command);
    m_saveEdit->setVisible(form.saveEditShown);
    m_defaults->setVisible(form.defaultsShown);

    m_list->clear();
    for (const std::string& line : m_editor.lines())
        m_list->addItem(fromBytes(line));
    if (selected >= 0 && selected < m_list->count())
        m_list->setCurrentRow(selected);
    m_log->setPlainText(qtText(m_editor.log()));
    setWindowTitle(qtText(m_editor.title()));
}

void CScriptDlg::showDetails() {
    if (!m_editor.hasDetails())
        return;
    CScriptOutputDlg dialog(qtText(m_editor.log()), this);
    dialog.exec();
}

void CScriptDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_opened && !m_printerChecked) {
        m_printerChecked = true;
        QTimer::singleShot(0, this, [this] { m_services.ensurePrinter(); });
    }
}

} // namespace morvelan

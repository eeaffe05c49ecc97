// The logic behind the four table forms: the record the form shows, the printer tables it has
// read, and its three buttons ("&Ler Configuração", "&Enviar", the clear button). The widgets
// only copy rows between their controls and this object.
#pragma once

#include "core/features/tables/TableCollect.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace morvelan {
class Engine;
}

namespace morvelan::tables {

// The rows a record shows: fixed rows under their fixed names, names and rates trimmed, the
// type of a tax rate only when it has a code.
FormRows displayRows(int table, std::span<const char> record);

int tableRowCount(int table);
// The leading rows that the printer keeps by itself and the form shows read-only.
int tableFixedRows(int table);
std::string clearButtonCaption(int table);
std::string clearQuestion(int table);
// "Meio de Pagamento 01:" and the like, for row 0..count-1.
std::string rowLabel(int table, int row);

class TableEditor {
public:
    // `repeatStep` keeps a guided sequence on its step when a send is refused (the main frame's
    // advanceSealing(2)).
    TableEditor(Engine& engine, int table, std::function<void()> repeatStep);

    int table() const { return table_; }
    // The record the frame hands over: the last values sent, or zeros in read-only mode.
    void load(std::span<const char> record);
    std::span<const char> record() const { return record_; }
    FormRows rows() const { return displayRows(table_, record_); }

    // Forgets the printer tables read so far (the form is shown anew).
    void clearPrinterTables();
    bool hasPrinterTable(int slot) const;
    FormRows printerRows(int slot) const;

    // "&Ler Configuração": reads the printer's table; true when it was read and stored.
    bool readPrinter();
    // "&Enviar": collect, compact, plan, send. The record keeps what was sent.
    void send(const FormRows& rows, int selection);
    // The clear button: its question, then the table clear operation.
    void clear(int selection);

private:
    Engine& engine_;
    int table_;
    std::function<void()> repeatStep_;
    std::vector<char> record_;
    std::vector<std::vector<char>> printerTables_;
};

} // namespace morvelan::tables

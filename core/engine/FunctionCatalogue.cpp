#include "core/engine/FunctionCatalogue.h"

#include <array>

namespace morvelan {
namespace {

constexpr FunctionUse send(int type, int step) {
    return {.code = {type, step}, .operation = true, .sends = true};
}
constexpr FunctionUse sendAndRead(int type, int step) {
    return {.code = {type, step},
            .operation = true,
            .reading = OperationCode{type, step},
            .sends = true};
}
constexpr FunctionUse read(int type, int step, OperationCode reading) {
    return {.code = {type, step}, .reading = reading};
}
constexpr FunctionUse tool(int type, int step, std::string_view name, bool sends) {
    return {.code = {type, step}, .tool = name, .sends = sends};
}

constexpr std::array kUses = {
    send(1, 1),
    tool(2, 1, "sequência de lacração", true),
    send(3, 1),
    send(3, 2),
    send(3, 3),
    tool(5, 1, "atualização do software", true),
    send(6, 1),
    sendAndRead(6, 2),
    sendAndRead(6, 3),
    send(6, 4),
    sendAndRead(6, 5),
    sendAndRead(6, 6),
    sendAndRead(6, 7),
    sendAndRead(6, 8),
    sendAndRead(6, 9),
    sendAndRead(6, 10),
    sendAndRead(6, 11),
    send(6, 12),
    sendAndRead(6, 13),
    sendAndRead(6, 15),
    sendAndRead(6, 16),
    sendAndRead(6, 17),
    sendAndRead(6, 18),
    // The status check: the decoded status is its whole answer, nothing is changed.
    FunctionUse{.code = {7, 1}, .operation = true},
    read(7, 2, {7, 2}),
    read(7, 3, {6, 13}),
    read(7, 4, {6, 2}),
    read(7, 5, {6, 3}),
    read(7, 6, {7, 6}),
    read(7, 7, {6, 5}),
    read(7, 8, {6, 6}),
    read(7, 9, {6, 7}),
    read(7, 10, {6, 8}),
    read(7, 11, {6, 9}),
    read(7, 12, {6, 10}),
    read(7, 13, {6, 15}),
    read(7, 14, {6, 11}),
    read(7, 15, {7, 15}),
    read(7, 16, {7, 16}),
    read(7, 17, {6, 17}),
    read(7, 18, {6, 18}),
    send(8, 1),
    send(8, 2),
    send(8, 3),
    send(8, 4),
    send(8, 5),
    tool(9, 1, "gerador de scripts", true),
    tool(9, 2, "executor de scripts", true),
    tool(10, 1, "arquivo de comandos", false),
    tool(10, 2, "arquivo de comandos", false),
    tool(10, 3, "arquivo de comandos", false),
};

} // namespace

std::span<const FunctionUse> functionUses() {
    return kUses;
}

const FunctionUse* functionUse(int type, int step) {
    for (const FunctionUse& use : kUses) {
        if (use.code == OperationCode{type, step}) {
            return &use;
        }
    }
    return nullptr;
}

} // namespace morvelan

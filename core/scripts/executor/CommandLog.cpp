#include "core/scripts/executor/CommandLog.h"

#include "core/base/Cp1252.h"

namespace morvelan {

void appendLogSeparator(std::string& log, char fill) {
    log.append(kLogSeparatorWidth, fill);
    log += kLogLineEnd;
}

void appendLogHeader(std::string& log, std::string_view portName, std::string_view modelName) {
    appendLogSeparator(log, '=');
    log += "Comandos Enviados para ( ";
    log += portName;
    log += " - ";
    log += modelName;
    log += " ): ";
    log += kLogLineEnd;
    log += kLogLineEnd;
}

void appendLogCommand(std::string& log, std::string_view line) {
    log += "Comando: ";
    log += line;
    log += kLogLineEnd;
}

void appendLogAnswer(std::string& log, std::string_view answerCp1252, const CommandEntry* command) {
    appendLogSeparator(log, '*');
    log += "* Dados Retornados pela impressora:";
    log += kLogLineEnd;
    appendLogSeparator(log, '*');
    // The field names are taken in order, one per named piece. A first name left empty does not
    // use up a name: its piece is unidentified and the next piece takes the first name.
    int name = 0;
    bool first = true;
    std::size_t from = 0;
    while (from <= answerCp1252.size()) {
        std::size_t bar = answerCp1252.find('|', from);
        if (bar == std::string_view::npos) {
            bar = answerCp1252.size();
        }
        const std::string_view piece = answerCp1252.substr(from, bar - from);
        from = bar + 1;
        if (piece.empty()) {
            continue;
        }
        if (command == nullptr) {
            log += kUnidentifiedField;
        } else if (first && SlotText(command->responseDescriptions[0]).empty()) {
            log += kUnidentifiedField;
        } else {
            // Pieces beyond the described fields are named with an empty name.
            if (name < kMaxResponses) {
                log += fromCp1252(SlotText(command->responseDescriptions[name]));
            }
            ++name;
            log += " : ";
        }
        first = false;
        log += fromCp1252(piece);
        log += kLogLineEnd;
    }
    appendLogSeparator(log, '*');
}

void appendLogResponse(std::string& log, std::string_view resultLine) {
    log += "Resposta: ";
    log += resultLine;
    log += kLogLineEnd;
    log += kLogLineEnd;
}

} // namespace morvelan

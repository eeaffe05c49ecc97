#include "core/scripts/executor/CommandLog.h"

#include "core/scripts/dictionary/AnswerFields.h"

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
    for (const NamedField& field :
         NamedAnswerFields(command, answerCp1252, BlankFirstName::Unidentified)) {
        log += AnswerFieldText(field);
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

void appendLogStop(std::string& log, std::string_view reason) {
    log += reason;
    log += kLogLineEnd;
    log += kLogLineEnd;
}

} // namespace morvelan

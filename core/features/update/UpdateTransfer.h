// The transfer worker of the software update: sends a checked plan command by command, writes
// the progress record the update dialog reads, and composes the result text. The printer link,
// the pause between parts and the file's directory come from the caller.
#pragma once

#include "core/features/update/UpdatePlan.h"

#include "core/present/ProgressLogic.h"

#include <functional>
#include <string>

namespace morvelan::update {

// How the worker reaches the printer: the two raw-command entry points it uses.
class UpdateLink {
public:
    virtual ~UpdateLink() = default;
    virtual int send(const std::string& command) = 0;       // KORVA_Send_From_File
    virtual int sendBinary(const std::string& command) = 0; // KORVA_Send_From_File_Bin
};

using Pause = std::function<void(int milliseconds)>;

inline constexpr int kPartPauseMs = 20000;
inline constexpr int kDataAttempts = 3;

inline constexpr const char* kSuccessText = "Operação Finalizada com sucesso.";
inline constexpr const char* kStartErrorText =
    "Erro ao iniciar o processo interno.\nPor favor tente novamente.\nSe o erro persistir, entre "
    "em contato com a KORVA.";
inline constexpr const char* kMiddleErrorText =
    "Erro no meio processo interno.\nPor favor tente novamente.\nSe o erro persistir, entre em "
    "contato com a KORVA.";
inline constexpr const char* kFinishErrorText =
    "Erro ao finalizar uma etapa do processo interno.\nPor favor tente novamente.\nSe o erro "
    "persistir, entre em contato com a KORVA.";
// Added when the printer had already accepted the start of the update.
inline constexpr const char* kInterruptedNote =
    "\n\nA atualização foi interrompida no meio: o software básico da impressora ficou "
    "incompleto.\nNÃO desligue a impressora. Verifique o cabo e execute a atualização novamente "
    "(\"Enviar\") até receber \"Operação Finalizada com sucesso.\".";

// Sends `plan`, appending the outcome to `resultText`. Fills the start, end and section of
// `progress` first and moves its offset reached as lines go; sets its done flag last.
void runTransfer(const UpdatePlan& plan, UpdateLink& link, UpdateProgress& progress,
                 const Pause& pause, std::string& resultText);

// The whole worker: plans the section from the procedure's file in `directory`, refusing a bad
// file with nothing sent, then runs the transfer. Sets the done flag in every case.
void transferUpdate(Procedure procedure, int section, const std::string& directory,
                    UpdateLink& link, UpdateProgress& progress, const Pause& pause,
                    std::string& resultText);

} // namespace morvelan::update

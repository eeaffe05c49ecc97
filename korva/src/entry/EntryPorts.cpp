// Port, raw command, status, message and log entry points: the ones that pass the caller's
// text through or talk to the port rather than build a command of their own.
#include "EntryCommon.h"

namespace {

using namespace korva::entry;

int openPort(const char* porta, char* numeroPorta) {
    if (porta == nullptr) {
        return rejectArgument(kFieldMissing, 1);
    }
    std::string number;
    const int result = printer().openPort(boundedText(porta), number);
    if (result == KORVA_OK && numeroPorta != nullptr) {
        putText({numeroPorta, KORVA_TAM_NUMERO_PORTA}, number);
    }
    return result;
}

bool knownSpeed(int speed) {
    return speed == 9600 || speed == 19200 || speed == 38400;
}

// The raw entry points hand the caller's line over unchanged: the printer judges all of it.
korva::Exchange sendRaw(const char* comando) {
    if (comando == nullptr) {
        return printer().rejectArgument(kFieldMissing, 1);
    }
    return printer().execute(boundedText(comando));
}

} // namespace

extern "C" {

KORVA_API int KORVA_CALL KORVA_Serial_Abrir_Porta(const char* porta) {
    return guarded([&] { return openPort(porta, nullptr); });
}

KORVA_API int KORVA_CALL KORVA_Serial_Abrir_PortaAD(const char* porta, char* numeroPorta) {
    return guarded([&] {
        if (porta != nullptr && numeroPorta == nullptr) {
            return rejectArgument(kFieldMissing, 2);
        }
        return openPort(porta, numeroPorta);
    });
}

KORVA_API int KORVA_CALL KORVA_Serial_Abrir_PortaADEX(const char* porta, char* numeroPorta,
                                                      int velocidade) {
    return guarded([&] {
        if (porta != nullptr && numeroPorta == nullptr) {
            return rejectArgument(kFieldMissing, 2);
        }
        if (porta != nullptr && !knownSpeed(velocidade)) {
            return rejectArgument(kFieldMalformed, 3);
        }
        return openPort(porta, numeroPorta);
    });
}

KORVA_API int KORVA_CALL KORVA_Serial_Fechar_Porta(void) {
    return guarded([] {
        printer().closePort();
        return KORVA_OK;
    });
}

KORVA_API int KORVA_CALL KORVA_Serial_Obter_Estado_Com(char* estado) {
    return guarded([&] {
        if (estado == nullptr) {
            return rejectArgument(kFieldMissing, 1);
        }
        putText({estado, KORVA_TAM_NUMERO_PORTA}, printer().portOpen() ? "1" : "0");
        return KORVA_OK;
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Estado_Impressora(char* estado) {
    return guarded([&] {
        if (estado == nullptr) {
            return rejectArgument(kFieldMissing, 1);
        }
        std::string status;
        const int result = printer().lastStatus(status);
        putText({estado, KORVA_TAM_ESTADO}, status);
        return result;
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Mensagem_Erro(const char* codigo, char* mensagem) {
    return guarded([&] {
        if (codigo == nullptr) {
            return rejectArgument(kFieldMissing, 1);
        }
        if (mensagem == nullptr) {
            return rejectArgument(kFieldMissing, 2);
        }
        putText({mensagem, KORVA_TAM_MENSAGEM},
                korva::VirtualPrinter::message(boundedText(codigo, 16)));
        return KORVA_OK;
    });
}

KORVA_API int KORVA_CALL KORVA_Send_From_File(const char* comando) {
    return guarded([&] { return sendRaw(comando).result; });
}

KORVA_API int KORVA_CALL KORVA_Send_From_File_Bin(const char* comando) {
    return guarded([&] { return sendRaw(comando).result; });
}

KORVA_API int KORVA_CALL KORVA_Send_From_FileEX(const char* comando, char* resposta) {
    return guarded([&] {
        if (comando != nullptr && resposta == nullptr) {
            return rejectArgument(kFieldMissing, 2);
        }
        const korva::Exchange exchange = sendRaw(comando);
        if (resposta != nullptr) {
            putText({resposta, KORVA_TAM_RESPOSTA}, exchange.answer());
        }
        return exchange.result;
    });
}

KORVA_API int KORVA_CALL KORVA_Send_From_FileEXX(const char* comando, char* estado,
                                                 char* resposta) {
    return guarded([&] {
        if (comando != nullptr && (estado == nullptr || resposta == nullptr)) {
            return rejectArgument(kFieldMissing, estado == nullptr ? 2 : 3);
        }
        const korva::Exchange exchange = sendRaw(comando);
        putText({estado, KORVA_TAM_ESTADO}, exchange.status);
        putText({resposta, KORVA_TAM_RESPOSTA_CURTA}, exchange.answer());
        return exchange.result;
    });
}

KORVA_API int KORVA_CALL KORVA_Sys_Log(const char* diretorio, int habilita) {
    return guarded([&] {
        if (diretorio == nullptr) {
            return rejectArgument(kFieldMissing, 1);
        }
        printer().setLog(std::string(boundedText(diretorio)), habilita != 0);
        return KORVA_OK;
    });
}

} // extern "C"

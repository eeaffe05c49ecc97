// Fiscal set-up and signature key entry points.
#include "EntryCommon.h"

using namespace korva::entry;
using korva::Exchange;

extern "C" {

KORVA_API int KORVA_CALL KORVA_FiscalizeEX(const char* cnpj, const char* ie, const char* im,
                                           const char* senha, const char* casasQuantidade,
                                           const char* casasPreco) {
    return guarded([&] {
        return sendOnly(Command("0301")
                            .text(cnpj)
                            .text(ie)
                            .text(im)
                            .text(senha)
                            .text(casasQuantidade)
                            .text(casasPreco));
    });
}

KORVA_API int KORVA_CALL KORVA_Confirm_FiscalizeEX(char* cnpj, char* ie, char* im,
                                                   char* numeroUsuario, char* data, char* hora) {
    return guarded([&] {
        const Command command = Command("0302")
                                    .output(cnpj)
                                    .output(ie)
                                    .output(im)
                                    .output(numeroUsuario)
                                    .output(data)
                                    .output(hora);
        return sendAndFill(command, [&](const Exchange& e) {
            putText({cnpj, 33}, field(e, 0));
            putText({ie, 21}, field(e, 1));
            putText({im, 21}, field(e, 2));
            putText({numeroUsuario, 11}, field(e, 3));
            putText({data, 9}, field(e, 4));
            putText({hora, 9}, field(e, 5));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Iniciar_Nova_MFD(void) {
    return guarded([] { return sendOnly(Command("0303")); });
}

KORVA_API int KORVA_CALL KORVA_Set_DS_KeyEX(const char* chave, char* serie, char* cnpj, char* ie,
                                            char* numeroUsuario, char* data) {
    return guarded([&] {
        // The key text is a fixed 520 characters; a caller may hand it without a terminating
        // zero, so nothing past it is read.
        const Command command = Command("0401")
                                    .text(chave, KORVA_TAM_CHAVE_PRIVADA)
                                    .output(serie)
                                    .output(cnpj)
                                    .output(ie)
                                    .output(numeroUsuario)
                                    .output(data);
        return sendAndFill(command, [&](const Exchange& e) {
            putText({serie, 33}, field(e, 0));
            putText({cnpj, 21}, field(e, 1));
            putText({ie, 21}, field(e, 2));
            putText({numeroUsuario, 11}, field(e, 3));
            putText({data, 9}, field(e, 4));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Enable_DS_Key(void) {
    return guarded([] { return sendOnly(Command("0402")); });
}

KORVA_API int KORVA_CALL KORVA_Get_DS_Key(char* chave) {
    return guarded([&] {
        return sendAndFill(Command("0403").output(chave), [&](const Exchange& e) {
            putText({chave, KORVA_TAM_CHAVE_PUBLICA}, field(e, 0));
        });
    });
}

} // extern "C"

// Setting entry points: each puts its arguments, in order, on one setting command.
#include "EntryCommon.h"

using namespace korva::entry;

extern "C" {

KORVA_API int KORVA_CALL KORVA_Ajustar_Relogio(const char* data, const char* hora, int modo) {
    return guarded([&] { return sendOnly(Command("0101").text(data).text(hora).number(modo)); });
}

KORVA_API int KORVA_CALL KORVA_Config_Horario_Verao(void) {
    return guarded([] { return sendOnly(Command("0102")); });
}

KORVA_API int KORVA_CALL KORVA_Configurar_Usuario(const char* linha1, const char* linha2,
                                                  const char* linha3, const char* linha4,
                                                  const char* numeroEcf, const char* loja) {
    return guarded([&] {
        return sendOnly(Command("0103")
                            .text(linha1)
                            .text(linha2)
                            .text(linha3)
                            .text(linha4)
                            .text(numeroEcf)
                            .text(loja));
    });
}

KORVA_API int KORVA_CALL KORVA_Configurar_Simbolo_Moeda(const char* simbolo) {
    return guarded([&] { return sendOnly(Command("0104").text(simbolo)); });
}

KORVA_API int KORVA_CALL KORVA_Config_Serial_Impressora(const char* velocidade) {
    return guarded([&] { return sendOnly(Command("0105").text(velocidade)); });
}

KORVA_API int KORVA_CALL KORVA_Configurar_Desconto_ISS(int habilita) {
    return guarded([&] { return sendOnly(Command("0106").number(habilita)); });
}

KORVA_API int KORVA_CALL KORVA_Config_Operador(const char* operador) {
    return guarded([&] { return sendOnly(Command("0107").text(operador)); });
}

KORVA_API int KORVA_CALL KORVA_Config_Adiciona_IM(const char* inscricaoMunicipal) {
    return guarded([&] { return sendOnly(Command("0108").text(inscricaoMunicipal)); });
}

KORVA_API int KORVA_CALL KORVA_Config_Casas_Decimais(const char* quantidade,
                                                     const char* precoUnitario) {
    return guarded([&] { return sendOnly(Command("0109").text(quantidade).text(precoUnitario)); });
}

KORVA_API int KORVA_CALL KORVA_Config_Arredonda_Trunca_Fabricacao(const char* arredonda,
                                                                  const char* fabricacao) {
    return guarded([&] { return sendOnly(Command("010A").text(arredonda).text(fabricacao)); });
}

} // extern "C"

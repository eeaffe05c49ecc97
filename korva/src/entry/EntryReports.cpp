// Printed report entry points. Reserved arguments take their positions but are never read.
#include "EntryCommon.h"

using namespace korva::entry;

namespace {

// The three detail memory readings differ only in the extension that says how the range counts.
int readDetailMemory(const char* extension, const char* inicio, const char* fim) {
    return sendOnly(Command("0505", extension).text(inicio).text(fim));
}

} // namespace

extern "C" {

KORVA_API int KORVA_CALL KORVA_RelatorioFiscal_LeituraX(void) {
    return guarded([] { return sendOnly(Command("0501")); });
}

KORVA_API int KORVA_CALL KORVA_RelatorioFiscal_RZ(const char* data, const char* hora, int acao,
                                                  const char* /*reservado*/) {
    return guarded([&] { return sendOnly(Command("0502").text(data).text(hora).number(acao)); });
}

KORVA_API int KORVA_CALL KORVA_RelatorioFiscal_Leitura_MF(const char* inicio, const char* fim,
                                                          int modo, const char* /*reservado1*/,
                                                          const char* /*reservado2*/,
                                                          int /*reservado3*/, int /*reservado4*/) {
    return guarded([&] { return sendOnly(Command("0503").text(inicio).text(fim).number(modo)); });
}

KORVA_API int KORVA_CALL KORVA_RelatorioFiscal_Abrir_Dia(void) {
    return guarded([] { return sendOnly(Command("0504")); });
}

KORVA_API int KORVA_CALL KORVA_Leitura_MFD(const char* inicio, const char* fim, int, int,
                                           const char*, int, int, int) {
    return guarded([&] { return readDetailMemory("0000", inicio, fim); });
}

KORVA_API int KORVA_CALL KORVA_Leitura_MFD_Data(const char* inicio, const char* fim, int, int,
                                                const char*, int, int, int) {
    return guarded([&] { return readDetailMemory("0001", inicio, fim); });
}

KORVA_API int KORVA_CALL KORVA_Leitura_MFD_CRZ(const char* inicio, const char* fim, int, int,
                                               const char*, int, int, int) {
    return guarded([&] { return readDetailMemory("0002", inicio, fim); });
}

} // extern "C"

// The binding to the fiscal printer library: its 62 entry points as function pointers, looked up
// by name in a library file loaded by absolute path, or taken from a table (tests bind a scripted
// fake library that way).
#pragma once

// The log directory the library is bound with is one of the program's files.
#include "core/base/StartupEnvironment.h"

#include <InterfaceKorva.h>

#include <string>
#include <utility>

namespace morvelan {

// X-macro of the entry point names, without the common "KORVA_" prefix.
#define MORVELAN_KORVA_ENTRY_POINTS(X)                                                             \
    X(Serial_Abrir_Porta)                                                                          \
    X(Serial_Abrir_PortaAD)                                                                        \
    X(Serial_Abrir_PortaADEX)                                                                      \
    X(Serial_Fechar_Porta)                                                                         \
    X(Serial_Obter_Estado_Com)                                                                     \
    X(Obter_Estado_Impressora)                                                                     \
    X(Obter_Cliche_Usuario)                                                                        \
    X(Obter_Numero_ECF_Loja)                                                                       \
    X(Obter_Dados_Impressora)                                                                      \
    X(Obter_Dados_Usuario)                                                                         \
    X(Obter_Simbolo_Moeda)                                                                         \
    X(Obter_Hora_Relogio)                                                                          \
    X(Obter_Estado_Horario_Verao)                                                                  \
    X(Obter_Desconto_Iss)                                                                          \
    X(Obter_Tabela_Aliquotas)                                                                      \
    X(Obter_Tabela_Pagamentos)                                                                     \
    X(Obter_Tabela_NaoFiscais)                                                                     \
    X(Obter_Tabela_Relatorios_Gerenciais)                                                          \
    X(Obter_Casas_Decimais)                                                                        \
    X(Obter_Operador)                                                                              \
    X(Obter_Estado_Microchaves)                                                                    \
    X(Obter_Dados_Jornada)                                                                         \
    X(Obter_Numero_Usuario)                                                                        \
    X(Obter_Log_Comandos)                                                                          \
    X(Obter_Mensagem_Erro)                                                                         \
    X(Obter_Arredonda_Trunca_Fabricacao)                                                           \
    X(Configurar_Usuario)                                                                          \
    X(Ajustar_Relogio)                                                                             \
    X(Configurar_Simbolo_Moeda)                                                                    \
    X(Config_Serial_Impressora)                                                                    \
    X(Config_Horario_Verao)                                                                        \
    X(Configurar_Desconto_ISS)                                                                     \
    X(Config_Aliquota)                                                                             \
    X(Config_Relatorio_Gerencial)                                                                  \
    X(Config_Forma_Pagamento)                                                                      \
    X(Config_Totalizador_NaoFiscal)                                                                \
    X(Excluir_Aliquota)                                                                            \
    X(Excluir_Relatorio_Gerencial)                                                                 \
    X(Excluir_Forma_Pagamento)                                                                     \
    X(Excluir_NaoFiscal)                                                                           \
    X(Config_Operador)                                                                             \
    X(Config_Adiciona_IM)                                                                          \
    X(Config_Casas_Decimais)                                                                       \
    X(Config_Arredonda_Trunca_Fabricacao)                                                          \
    X(Iniciar_Nova_MFD)                                                                            \
    X(FiscalizeEX)                                                                                 \
    X(Confirm_FiscalizeEX)                                                                         \
    X(Get_DS_Key)                                                                                  \
    X(Set_DS_KeyEX)                                                                                \
    X(Enable_DS_Key)                                                                               \
    X(RelatorioFiscal_LeituraX)                                                                    \
    X(RelatorioFiscal_RZ)                                                                          \
    X(RelatorioFiscal_Leitura_MF)                                                                  \
    X(RelatorioFiscal_Abrir_Dia)                                                                   \
    X(Leitura_MFD)                                                                                 \
    X(Leitura_MFD_Data)                                                                            \
    X(Leitura_MFD_CRZ)                                                                             \
    X(Send_From_File)                                                                              \
    X(Send_From_FileEX)                                                                            \
    X(Send_From_FileEXX)                                                                           \
    X(Send_From_File_Bin)                                                                          \
    X(Sys_Log)

inline constexpr int kEntryPointCount = 62;

// What a call to an entry point the library does not export returns: a failure that no
// library return value uses, so the status decoding and the forms treat it as any failed call.
inline constexpr int kMissingEntryPoint = -1;

// The library file, looked for in the program directory only.
inline constexpr const char* kLibraryFileName = "libInterfaceKorva.so";

// The 62 entry points; each stays empty when the library does not export it.
struct LibraryEntries {
#define MORVELAN_DECLARE_ENTRY(name) decltype(&KORVA_##name) name = nullptr;
    MORVELAN_KORVA_ENTRY_POINTS(MORVELAN_DECLARE_ENTRY)
#undef MORVELAN_DECLARE_ENTRY
};

// Calls an entry point through the table. A missing entry point is a failed call, never a jump
// through a null pointer:  callEntry(entries, &LibraryEntries::Obter_Estado_Impressora, status)
template <typename Entry, typename... Args>
int callEntry(const LibraryEntries& entries, Entry LibraryEntries::*entry, Args&&... args) {
    const Entry function = entries.*entry;
    if (function == nullptr) {
        return kMissingEntryPoint;
    }
    return function(std::forward<Args>(args)...);
}

// A bound library. `handle` is empty when the library file could not be loaded; the library is
// never unloaded, so the handle is only ever tested.
struct BoundLibrary {
    void* handle = nullptr;
    LibraryEntries entries;
    // Where the library file was looked for: the program's other private modules lie beside it.
    // Empty for a binding from a table.
    std::string directory;
};

// Loads <programDirectory>/libInterfaceKorva.so, looks every entry point up by name and, when the
// library loaded, hands it `logDirectory` through KORVA_Sys_Log with logging on. A library that
// does not load gives an empty handle and no message: the first operation reports it.
BoundLibrary bindLibrary(const std::string& programDirectory, const std::string& logDirectory);

// Binds from a ready table of function pointers (a fake library in tests). The handle is not
// empty, so the binding counts as a loaded library.
BoundLibrary bindLibraryFromTable(const LibraryEntries& entries);

} // namespace morvelan

#include "core/engine/FunctionNames.h"

#include <array>

namespace morvelan {
namespace {

constexpr std::array<FunctionItem, 1> kCommunication = {{{1, "Verificar comunicação"}}};
constexpr std::array<FunctionItem, 1> kSealing = {{{1, "Executar Seqüência de lacração"}}};
constexpr std::array<FunctionItem, 3> kSignature = {
    {{1, "Gerar chaves de AD"}, {2, "Habilitar AD"}, {3, "Leitura da chave pública de AD"}}};
constexpr std::array<FunctionItem, 1> kEnable = {{{1, "Iniciar Habilitar Impressora"}}};
constexpr std::array<FunctionItem, 17> kConfiguration = {{
    {1, "Forçar entrada em MIT"},
    {2, "Clichê"},
    {3, "Símbolo da moeda"},
    {4, "Porta de comunicação serial do ECF"},
    {5, "Data e hora"},
    {6, "Horário de verão"},
    {7, "Meios de pagamentos"},
    {8, "Relatórios gerenciais"},
    {9, "Alíquotas de ICMS e ISSQN"},
    {10, "Totalizadores não fiscais"},
    {11, "Desconto ISSQN"},
    {12, "Iniciar nova MFD em caso de esgotamento ou falha"},
    {13, "Troca usuário/incluir IM"},
    {15, "Operador"},
    {16, "Incluir IM (MKIII)"},
    {17, "Casas Decimais (MKIII)"},
    {18, "Arredonda/Trunca/Fabricação Própria (MKIII)"},
}};
constexpr std::array<FunctionItem, 18> kReadings = {{
    {1, "Estado do ECF"},
    {2, "Dados da serialização"},
    {3, "Dados do contribuinte (fiscalização)"},
    {4, "Clichê"},
    {5, "Símbolo da moeda"},
    {6, "Dados da jornada fiscal"},
    {7, "Data e hora"},
    {8, "Horário de verão"},
    {9, "Meios de pagamentos"},
    {10, "Relatórios gerenciais"},
    {11, "Alíquotas de ICMS e ISSQN"},
    {12, "Totalizadores não fiscais"},
    {13, "Operador"},
    {14, "Desconto ISSQN"},
    {15, "Estado das microchaves"},
    {16, "Log de Eventos"},
    {17, "Casas Decimais (MKIII)"},
    {18, "Arredonda/Trunca/Fabricação Própria (MKIII)"},
}};
constexpr std::array<FunctionItem, 5> kPrintedReadings = {
    {{1, "LX"}, {2, "RZ"}, {3, "LMF"}, {4, "MFD"}, {5, "LX de abertura de jornada fiscal"}}};
constexpr std::array<FunctionItem, 2> kScripts = {
    {{1, "Gerador de scripts"}, {2, "Executor de scripts"}}};
constexpr std::array<FunctionItem, 3> kFiles = {{{1, "Abrir"}, {2, "Novo"}, {3, "Salvar Como"}}};

const std::array<FunctionGroup, 9> kGroups = {{
    {1, "Comunicação", kCommunication},
    {2, "Seqüência de Lacração", kSealing},
    {3, "Assinatura digital", kSignature},
    {5, "Habilitar Impressora", kEnable},
    {6, "Configuração", kConfiguration},
    {7, "Leitura de informações", kReadings},
    {8, "Leituras fiscais impressas", kPrintedReadings},
    {9, "Scripts de Seqüências de comandos", kScripts},
    {10, "Arquivos", kFiles},
}};

const FunctionGroup* findGroup(int type) {
    for (const FunctionGroup& group : kGroups) {
        if (group.number == type) {
            return &group;
        }
    }
    return nullptr;
}

} // namespace

std::span<const FunctionGroup> functionGroups() {
    return kGroups;
}

std::string_view groupName(int type) {
    const FunctionGroup* group = findGroup(type);
    return group != nullptr ? group->name : std::string_view{};
}

std::string_view itemName(int type, int step) {
    if (const FunctionGroup* group = findGroup(type)) {
        for (const FunctionItem& item : group->items) {
            if (item.number == step) {
                return item.name;
            }
        }
    }
    return {};
}

} // namespace morvelan

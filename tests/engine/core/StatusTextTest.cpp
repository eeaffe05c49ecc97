#include "core/engine/StatusText.h"

#include <gtest/gtest.h>

#include <string>

namespace morvelan {
namespace {

// A status text from its fields.
std::string status(const char* field, const char* number, const char* port, const char* printer,
                   const char* fiscal, const char* code) {
    return std::string(field) + number + port + printer + fiscal + code;
}

TEST(EngineStatusText, HealthyFiscalizedPrinter) {
    const DecodedStatus d = decodeStatusText(status("00", "00", "0000", "0000", "C080", "0000"));
    EXPECT_EQ(d.fieldErrorText, "Campos sem erro.");
    EXPECT_EQ(d.portStatusText, "Porta aberta com sucesso.");
    EXPECT_EQ(d.printerStatusText, "Impressora Online - ");
    EXPECT_EQ(d.fiscalStatusText,
              "Modo Fiscalizado - Modo de operação normal - Memória Fiscal em "
              "operação normal - Período de vendas aberto - Documento fechado - ");
    EXPECT_EQ(d.returnCode, "0000");
    EXPECT_EQ(resultLineFor(d.returnCode, "ignored"), "( 0000 ) - Resultado sem erro");
}

TEST(EngineStatusText, FieldErrorForcesReturnCode0004) {
    struct Case {
        const char* code;
        const char* expected;
    };
    const Case cases[] = {
        {"01", "Campo deve ser um ponteiro para string. - Campo com erro: 05"},
        {"02", "String com data inválida. - Campo com erro: 05"},
        {"03", "String com hora inválida. - Campo com erro: 05"},
        {"04", "String não está vazia ou contém data inválida. - Campo com erro: 05"},
        {"05", "String não está vazia ou contém hora inválida. - Campo com erro: 05"},
        {"06", "String não pode ser vazia. - Campo com erro: 05"},
        {"07", "Erro não mapeado. - Campo com erro: 05"},
        {"1a", "Erro não mapeado. - Campo com erro: 05"},
    };
    for (const Case& c : cases) {
        const DecodedStatus d =
            decodeStatusText(status(c.code, "05", "0000", "0000", "C080", "0000"));
        EXPECT_EQ(d.fieldErrorText, c.expected) << c.code;
        EXPECT_EQ(d.returnCode, "0004") << c.code;
    }
    EXPECT_EQ(resultLineFor("0004", "Parâmetro inválido"), "( 0004 ) - Parâmetro inválido");
}

TEST(EngineStatusText, PortStatusValuesAreHexadecimal) {
    const std::pair<const char*, const char*> cases[] = {
        {"0000", "Porta aberta com sucesso."},
        {"0001", "Porta já está aberta."},
        {"0002", "Porta usada por outra aplicação."},
        {"0003", "Erro interno da biblioteca."},
        {"0004", "Número de porta inválido."},
        {"0005", "Velocidade inválida."},
        {"0010", "String não está vazia ou contém hora inválida."},
        {"0016", "Erro interno da biblioteca."},
    };
    for (const auto& [port, expected] : cases) {
        EXPECT_EQ(decodeStatusText(status("00", "00", port, "0000", "C080", "0000")).portStatusText,
                  expected)
            << port;
    }
}

TEST(EngineStatusText, PrinterWordBitsInOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"000F", "Impressora Online - Sem papel - Pouco papel - Sem papel - Pouco papel - "},
        {"0600", "Leitura do MICR - "},
        {"0400", "Estação Autenticação (QPR4100 e QPD410) - "},
        {"0200", "Estação cheque - "},
        {"0800", "Impressora Online - "},
        {"F000", "Impressora(Offline) - Erro de impressão - Tampa superior aberta - Estado da "
                 "gaveta = 1 - Impressora Online - "},
        {"01F0", "Impressora Online - Aguardando retirada do papel - Aguardando inserção do papel "
                 "- Estado do sensor inferior da estação de cheque = 1 - Estado do sensor superior "
                 "da estação do cheque = 1 - Estado do sensor de autenticação = 1 - "},
        {"8004", "Impressora(Offline) - Impressora Online - Pouco papel - "},
    };
    for (const auto& [word, expected] : cases) {
        EXPECT_EQ(
            decodeStatusText(status("00", "00", "0000", word, "C080", "0000")).printerStatusText,
            expected)
            << word;
    }
}

TEST(EngineStatusText, FiscalWordModesMemoryAndPeriod) {
    const std::pair<const char*, const char*> cases[] = {
        {"8000", "Modo manufatura (Não-Fiscalizado) - Modo de operação normal - Memória Fiscal em "
                 "operação normal - Período de vendas fechado - Documento fechado - "},
        {"0000", "Modo bloqueado - Modo de operação normal - Memória Fiscal em operação normal - "
                 "Período de vendas fechado - Documento fechado - "},
        {"4000", "Modo de operação normal - Memória Fiscal em operação normal - Período de vendas "
                 "fechado - Documento fechado - "},
        {"1000", "Modo bloqueado - Modo de Intervenção Técnica - Memória Fiscal em operação "
                 "normal - Período de vendas fechado - Documento fechado - "},
        {"CC00", "Modo Fiscalizado - Modo de operação normal - Erro de leitura/escrita da Memória "
                 "Fiscal - Período de vendas fechado - Documento fechado - "},
        {"C800", "Modo Fiscalizado - Modo de operação normal - Memória Fiscal cheia - Período de "
                 "vendas fechado - Documento fechado - "},
        {"C400", "Modo Fiscalizado - Modo de operação normal - Memória Fiscal em esgotamento - "
                 "Período de vendas fechado - Documento fechado - "},
        {"E000", "Modo Fiscalizado - Modo de operação normal - Memória Fiscal em operação normal "
                 "- Período de vendas fechado - Documento fechado - "},
    };
    for (const auto& [word, expected] : cases) {
        EXPECT_EQ(
            decodeStatusText(status("00", "00", "0000", "0000", word, "0000")).fiscalStatusText,
            expected)
            << word;
    }
}

TEST(EngineStatusText, DocumentStateIgnoresModeMemoryAndPeriodBits) {
    const std::pair<const char*, const char*> cases[] = {
        {"0001", "Cupom Fiscal aberto - "},
        {"FC81", "Cupom Fiscal aberto - "},
        {"0002", "Comprovante de Crédito ou Débito - "},
        {"0003", "Estorno de Comprovante de Crédito ou Débito - "},
        {"0004", "Relatório Gerencial - "},
        {"0008", "Comprovante Não-Fiscal - "},
        {"0009", "Cheque ou autenticação (QPR4100 e QPD410) - "},
        {"0005", "Período de vendas fechado - "},
        {"0100", "Período de vendas fechado - "},
    };
    for (const auto& [word, expected] : cases) {
        const std::string text =
            decodeStatusText(status("00", "00", "0000", "0000", word, "0000")).fiscalStatusText;
        EXPECT_TRUE(text.ends_with(expected)) << word << ": " << text;
    }
}

TEST(EngineStatusText, ReturnCodeIsKeptAsSent) {
    const DecodedStatus d = decodeStatusText(status("00", "00", "0000", "0000", "C080", "0908"));
    EXPECT_EQ(d.returnCode, "0908");
    EXPECT_EQ(resultLineFor(d.returnCode, "Meio de pagamento não cadastrado"),
              "( 0908 ) - Meio de pagamento não cadastrado");
}

} // namespace
} // namespace morvelan

#include "core/engine/StatusText.h"

#include <array>
#include <cstdint>

namespace morvelan {
namespace {

// Value of the hexadecimal digits at the start of characters [offset, offset + length): a field
// that holds something else reads as the digits before it, as the printer's C drivers read it.
unsigned hexField(std::string_view status, std::size_t offset, std::size_t length) {
    unsigned value = 0;
    for (std::size_t i = offset; i < offset + length && i < status.size(); ++i) {
        const char c = status[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            break;
        }
        value = value * 16 + digit;
    }
    return value;
}

std::string_view field(std::string_view status, std::size_t offset, std::size_t length) {
    return offset < status.size() ? status.substr(offset, length) : std::string_view{};
}

std::string fieldErrorText(unsigned code, std::string_view fieldNumber) {
    static constexpr std::array<std::string_view, 7> kTexts = {
        "Campos sem erro.",
        "Campo deve ser um ponteiro para string.",
        "String com data inválida.",
        "String com hora inválida.",
        "String não está vazia ou contém data inválida.",
        "String não está vazia ou contém hora inválida.",
        "String não pode ser vazia."};
    std::string text(code < kTexts.size() ? kTexts[code] : "Erro não mapeado.");
    if (code != 0) {
        text += " - Campo com erro: ";
        text += fieldNumber;
    }
    return text;
}

std::string portStatusText(unsigned value) {
    switch (value) {
    case 0:
        return "Porta aberta com sucesso.";
    case 1:
        return "Porta já está aberta.";
    case 2:
        return "Porta usada por outra aplicação.";
    case 4:
        return "Número de porta inválido.";
    case 5:
        return "Velocidade inválida.";
    case 16:
        return "String não está vazia ou contém hora inválida.";
    default:
        return "Erro interno da biblioteca.";
    }
}

bool bit(unsigned word, int n) {
    return (word >> n) & 1U;
}

std::string printerStatusText(unsigned word) {
    std::string text;
    if (bit(word, 15)) {
        text += "Impressora(Offline) - ";
    }
    if (bit(word, 14)) {
        text += "Erro de impressão - ";
    }
    if (bit(word, 13)) {
        text += "Tampa superior aberta - ";
    }
    if (bit(word, 12)) {
        text += "Estado da gaveta = 1 - ";
    }
    if (bit(word, 10) && bit(word, 9)) {
        text += "Leitura do MICR - ";
    } else if (bit(word, 10)) {
        text += "Estação Autenticação (QPR4100 e QPD410) - ";
    } else if (bit(word, 9)) {
        text += "Estação cheque - ";
    } else {
        text += "Impressora Online - ";
    }
    static constexpr std::array<std::string_view, 9> kLowBits = {
        "Aguardando retirada do papel - ",
        "Aguardando inserção do papel - ",
        "Estado do sensor inferior da estação de cheque = 1 - ",
        "Estado do sensor superior da estação do cheque = 1 - ",
        "Estado do sensor de autenticação = 1 - ",
        "Sem papel - ",
        "Pouco papel - ",
        "Sem papel - ",
        "Pouco papel - "};
    for (int n = 8; n >= 0; --n) {
        if (bit(word, n)) {
            text += kLowBits[static_cast<std::size_t>(8 - n)];
        }
    }
    return text;
}

std::string_view documentText(unsigned word) {
    switch (word & ~0xFC80U & 0xFFFFU) {
    case 0:
        return "Documento fechado - ";
    case 1:
        return "Cupom Fiscal aberto - ";
    case 2:
        return "Comprovante de Crédito ou Débito - ";
    case 3:
        return "Estorno de Comprovante de Crédito ou Débito - ";
    case 4:
        return "Relatório Gerencial - ";
    case 8:
        return "Comprovante Não-Fiscal - ";
    case 9:
        return "Cheque ou autenticação (QPR4100 e QPD410) - ";
    default:
        return {};
    }
}

FiscalMode fiscalModeOf(unsigned word) {
    if (bit(word, 15)) {
        return bit(word, 14) ? FiscalMode::Fiscalized : FiscalMode::Manufacture;
    }
    return bit(word, 14) ? FiscalMode::Undefined : FiscalMode::Blocked;
}

std::string fiscalStatusText(unsigned word) {
    std::string text;
    switch (fiscalModeOf(word)) {
    case FiscalMode::Fiscalized:
        text += "Modo Fiscalizado - ";
        break;
    case FiscalMode::Manufacture:
        text += "Modo manufatura (Não-Fiscalizado) - ";
        break;
    case FiscalMode::Blocked:
        text += "Modo bloqueado - ";
        break;
    case FiscalMode::Undefined:
        break;
    }
    text += bit(word, 12) ? "Modo de Intervenção Técnica - " : "Modo de operação normal - ";
    if (bit(word, 11) && bit(word, 10)) {
        text += "Erro de leitura/escrita da Memória Fiscal - ";
    } else if (bit(word, 11)) {
        text += "Memória Fiscal cheia - ";
    } else if (bit(word, 10)) {
        text += "Memória Fiscal em esgotamento - ";
    } else {
        text += "Memória Fiscal em operação normal - ";
    }
    text += bit(word, 7) ? "Período de vendas aberto - " : "Período de vendas fechado - ";
    text += documentText(word);
    return text;
}

} // namespace

DecodedStatus decodeStatusText(std::string_view status) {
    DecodedStatus decoded;
    const unsigned fieldError = hexField(status, 0, 2);
    decoded.fieldErrorText = fieldErrorText(fieldError, field(status, 2, 2));
    decoded.portStatusText = portStatusText(hexField(status, 4, 4));
    decoded.printerStatusText = printerStatusText(hexField(status, 8, 4));
    decoded.fiscalStatusText = fiscalStatusText(hexField(status, 12, 4));
    decoded.returnCode = statusReturnCode(status);
    return decoded;
}

std::string statusReturnCode(std::string_view status) {
    return hexField(status, 0, 2) != 0 ? "0004" : std::string(field(status, kStatusWordsLength, 4));
}

FiscalState fiscalStateOf(std::string_view status) {
    const unsigned word = hexField(status, 12, 4);
    return {fiscalModeOf(word), bit(word, 12)};
}

std::string resultLineFor(std::string_view returnCode, std::string_view message) {
    std::string line = "( ";
    line += returnCode;
    line += " ) - ";
    line += returnCode == "0000" ? std::string_view("Resultado sem erro") : message;
    return line;
}

} // namespace morvelan

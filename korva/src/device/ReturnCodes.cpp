#include "ReturnCodes.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace korva::rc {
namespace {

constexpr std::array kCatalogue = {
    Entry{Ok, "Comando executado com sucesso."},
    Entry{UnknownCommand, "Comando desconhecido."},
    Entry{UnknownExtension, "Extensão desconhecida para este comando."},
    Entry{FieldCount, "Número de campos inválido para este comando."},
    Entry{FieldError, "Campo do comando inválido. Verifique o código e o número do campo."},
    Entry{MalformedLine, "Linha de comando mal formada."},
    Entry{TemporaryFailure, "Falha temporária de comunicação. Tente novamente."},
    Entry{PaperOut, "Impressora sem papel."},
    Entry{CoverOpen, "Tampa da impressora aberta."},
    Entry{PaymentMissingMkiii, "Meio de pagamento não cadastrado."},
    Entry{PaymentMissing, "Meio de pagamento não cadastrado."},
    Entry{TaxRateMissing, "Alíquota não cadastrada."},
    Entry{ReportMissing, "Relatório gerencial não cadastrado."},
    Entry{NonFiscalMissing, "Totalizador não fiscal não cadastrado."},
    Entry{NeedsMit, "Comando permitido somente em modo de intervenção técnica (MIT)."},
    Entry{PrinterBlocked, "Impressora bloqueada: habilite a chave de assinatura digital."},
    Entry{FiscalMemoryFull, "Memória fiscal cheia."},
    Entry{FiscalMemoryError, "Erro de leitura/escrita da memória fiscal."},
    Entry{ClockBeforeLastDocument, "Data e hora anteriores às do último documento emitido."},
    Entry{DayAlreadyOpen, "Jornada fiscal já está aberta."},
    Entry{DayClosed, "Jornada fiscal fechada: não há dia a reduzir."},
    Entry{WaitingNewDay, "Redução Z já emitida hoje: aguarde o próximo dia para abrir a jornada."},
    Entry{AdjustmentTooLarge, "Ajuste do relógio maior que 5 minutos."},
    Entry{RangeInvalid, "Faixa inválida: o início é maior que o fim."},
    Entry{FixedEntry, "Entrada fixa da tabela: não pode ser apagada nem cadastrada."},
    Entry{TableFull, "Tabela cheia."},
    Entry{DuplicateName, "Já existe uma entrada com este nome na tabela."},
    Entry{NumberOutOfRange, "Número ou código fora da faixa da tabela."},
    Entry{NumberInUse, "Já existe uma entrada com este número na tabela."},
    Entry{NoUser, "Não existe usuário cadastrado no ECF."},
    Entry{InvalidTaxpayerId, "C.N.P.J ou C.P.F inválido."},
    Entry{RegistrationMissing, "É necessário informar a Inscrição Estadual ou a Municipal."},
    Entry{NoPendingUser, "Não há usuário gravado aguardando confirmação."},
    Entry{SameUser, "Usuário já cadastrado no ECF com os mesmos dados."},
    Entry{KeyBadFormat, "Chave de assinatura mal formada: esperados 520 dígitos hexadecimais."},
    Entry{KeyBadCrc, "Chave de assinatura com CRC inválido."},
    Entry{KeyBadWrap, "Chave de assinatura não pôde ser decifrada."},
    Entry{KeyBadPrime, "Chave de assinatura com primos inválidos."},
    Entry{NoKeyLoaded, "Não há chave de assinatura carregada."},
    Entry{KeyRequired,
          "Usuário novo: carregue e habilite uma chave de assinatura antes de abrir o dia."},
    Entry{KeyCheckUnavailable,
          "Verificação de chaves de assinatura indisponível nesta biblioteca."},
    Entry{UpdateWrongProcedure, "Procedimento de atualização incompatível com este equipamento."},
    Entry{UpdateNotStarted, "Atualização de software não iniciada."},
    Entry{StageAlreadyOpen, "Etapa de atualização já iniciada."},
    Entry{NoStageOpen, "Nenhuma etapa de atualização aberta."},
    Entry{HeaderNotAtStart, "Cabeçalho permitido somente no início da etapa."},
    Entry{BadUpdateLine, "Linha de atualização inválida (formato ou soma de verificação)."},
};

constexpr std::string_view kUnknown = "Código de retorno desconhecido.";

bool sameCode(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::span<const Entry> catalogue() {
    return kCatalogue;
}

std::string_view messageUtf8(std::string_view code) {
    for (const auto& e : kCatalogue) {
        if (sameCode(e.code, code)) {
            return e.message;
        }
    }
    return kUnknown;
}

} // namespace korva::rc

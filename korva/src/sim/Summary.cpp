#include "Summary.h"

#include "PrinterClock.h"

namespace korva::sim {
namespace {

const char* yesNo(bool v) {
    return v ? "sim" : "não";
}

const char* modeText(FiscalMode m) {
    switch (m) {
    case FiscalMode::Manufacture:
        return "manufatura (não fiscalizada)";
    case FiscalMode::Fiscalized:
        return "fiscalizada";
    case FiscalMode::Blocked:
        return "bloqueada";
    }
    return "?";
}

const char* memoryText(FiscalMemory m) {
    switch (m) {
    case FiscalMemory::Normal:
        return "normal";
    case FiscalMemory::RunningOut:
        return "em esgotamento";
    case FiscalMemory::Full:
        return "cheia";
    case FiscalMemory::Error:
        return "com erro";
    }
    return "?";
}

const char* paperText(Paper p) {
    switch (p) {
    case Paper::Ok:
        return "ok";
    case Paper::Low:
        return "pouco papel";
    case Paper::Out:
        return "sem papel";
    }
    return "?";
}

const char* keyText(KeyState k) {
    switch (k) {
    case KeyState::None:
        return "nenhuma";
    case KeyState::Loaded:
        return "carregada (aguardando habilitação)";
    case KeyState::Enabled:
        return "habilitada";
    }
    return "?";
}

void printTable(std::ostream& out, const char* title, const std::vector<NamedEntry>& table,
                bool linked) {
    out << title << ":\n";
    for (const auto& e : table) {
        out << "  " << (e.number < 10 ? "0" : "") << e.number << " " << e.name;
        if (linked) {
            out << (e.linked ? " (vinculado)" : "");
        }
        out << "\n";
    }
}

} // namespace

void printSummary(std::ostream& out, const PrinterState& s, std::int64_t now) {
    const std::string date = clock::date(now);
    const std::string time = clock::time(now);
    out << "Modelo:            " << s.model << " (perfil " << s.profile << ", placa " << s.board
        << ")\n"
        << "Software básico:   " << s.version << " variante " << s.variant << "\n"
        << "Séries MF / MFD:   " << s.mfSerial << " / " << s.mfdSerial << "\n"
        << "Porta:             " << s.port << " a " << s.serialSpeed << " bps";
    if (s.pendingSerialSpeed != s.serialSpeed) {
        out << " (" << s.pendingSerialSpeed << " ao religar)";
    }
    out << "\n"
        << "Ligada:            " << yesNo(s.poweredOn) << "\n"
        << "Modo fiscal:       " << modeText(s.mode)
        << (s.blockReason == BlockReason::SignatureKeyNotEnabled
                ? " (chave de assinatura não habilitada)"
                : "")
        << "\n"
        << "MIT:               " << yesNo(s.mit) << "\n"
        << "Memória fiscal:    " << memoryText(s.fiscalMemory) << "\n"
        << "Usuário:           " << s.user.number;
    if (s.user.number > 0) {
        out << " C.N.P.J " << s.user.cnpj << " I.E " << s.user.ie << " I.M " << s.user.im;
    }
    out << "\n";
    if (s.pendingUser) {
        out << "Usuário gravado:   " << s.pendingUser->cnpj << " (aguardando confirmação)\n";
    }
    out << "Casas decimais:    " << s.quantityDecimals << " / " << s.priceDecimals
        << (s.rounds ? ", arredonda" : ", trunca") << "\n"
        << "Operador:          " << s.operatorName << "\n"
        << "ECF / loja:        " << s.ecfNumber << " / " << s.storeNumber << "\n"
        << "Relógio:           " << date.substr(0, 2) << "/" << date.substr(2, 2) << "/"
        << date.substr(4) << " " << time.substr(0, 2) << ":" << time.substr(2, 2) << ":"
        << time.substr(4) << (s.daylightSaving ? " (horário de verão)" : "") << "\n"
        << "Jornada:           " << (s.day.open ? "aberta" : "fechada") << ", COO " << s.day.coo
        << ", CRZ " << s.day.crz << ", reduções restantes " << s.day.zRemaining << "\n"
        << "Moeda:             " << s.currency << ", desconto ISSQN " << yesNo(s.issqnDiscount)
        << "\n";
    out << "Clichê:\n";
    for (const auto& line : s.header) {
        out << "  [" << line << "]\n";
    }
    printTable(out, "Meios de pagamento", s.payments, true);
    printTable(out, "Relatórios gerenciais", s.reports, false);
    printTable(out, "Totalizadores não fiscais", s.nonFiscal, false);
    out << "Alíquotas:";
    for (const auto& r : s.taxRates) {
        out << " " << r.code << "=" << r.rate;
    }
    out << "\n"
        << "Chave de assinatura: " << keyText(s.key.state)
        << (s.key.required ? " (nova chave necessária)" : "") << "\n"
        << "Papel:             " << paperText(s.mechanics.paper) << ", tampa "
        << (s.mechanics.coverOpen ? "aberta" : "fechada") << ", gaveta "
        << (s.mechanics.drawerOpen ? "aberta" : "fechada") << "\n"
        << "Resposta lenta:    " << s.slowMs << " ms\n"
        << "Falhas programadas:";
    if (s.faults.empty()) {
        out << " nenhuma";
    }
    for (const auto& [code, fault] : s.faults) {
        out << " " << code << " x" << fault.remaining << " ("
            << (fault.returnCode.empty() ? "0006" : fault.returnCode) << ")";
    }
    out << "\n";
    if (s.update.started) {
        out << "Atualização:       em andamento, " << s.update.stagesClosed
            << " etapa(s) concluída(s), " << s.update.dataLines << " linha(s) de dados\n";
    }
    out << "Eventos:           " << s.events.size() << "\n";
}

} // namespace korva::sim

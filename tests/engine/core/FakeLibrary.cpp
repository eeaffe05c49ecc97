#include "FakeLibrary.h"

#include <algorithm>
#include <cstring>

namespace morvelan::test {
namespace {

template <std::size_t N> struct Name {
    char text[N];
    constexpr Name(const char (&value)[N]) { std::copy_n(value, N, text); }
};

std::string describe(const char* text) {
    return text == nullptr ? "<null>" : text;
}
std::string describe(char*) {
    return "<out>";
}
std::string describe(int* value) {
    return value == nullptr ? "<null>" : "<out>";
}
std::string describe(unsigned short*) {
    return "<out>";
}
std::string describe(int value) {
    return std::to_string(value);
}

int record(const char* name, std::vector<std::string> args) {
    FakeLibrary::calls.push_back({name, std::move(args)});
    const auto it = FakeLibrary::script.results.find(name);
    return it == FakeLibrary::script.results.end() ? 0 : it->second;
}

void writeText(char* out, const std::string& text) {
    std::memcpy(out, text.data(), text.size());
}

std::string scriptedText(const std::string& name) {
    const auto it = FakeLibrary::script.texts.find(name);
    return it == FakeLibrary::script.texts.end() ? std::string() : it->second;
}

// Any entry point: records its arguments and returns the scripted value.
template <Name N, typename... A> int KORVA_CALL generic(A... args) {
    return record(N.text, {describe(args)...});
}

// A reading with one text output.
template <Name N> int KORVA_CALL textReading(char* out) {
    const int result = record(N.text, {"<out>"});
    writeText(out, scriptedText(N.text));
    return result;
}

template <Name N, typename T> int KORVA_CALL valueReading(T* out) {
    const int result = record(N.text, {"<out>"});
    *out = static_cast<T>(FakeLibrary::script.values[N.text]);
    return result;
}

int KORVA_CALL openPort(const char* port, char* number) {
    FakeLibrary::calls.push_back({"Serial_Abrir_PortaAD", {describe(port), "<out>"}});
    writeText(number, FakeLibrary::script.openPort.text);
    return FakeLibrary::script.openPort.result;
}

int KORVA_CALL printerData(char* data) {
    FakeLibrary::calls.push_back({"Obter_Dados_Impressora", {"<out>"}});
    writeText(data, FakeLibrary::script.printerData.text);
    return FakeLibrary::script.printerData.result;
}

int KORVA_CALL status(char* text) {
    FakeLibrary::calls.push_back({"Obter_Estado_Impressora", {"<out>"}});
    Answer answer = FakeLibrary::script.status;
    if (!FakeLibrary::script.statuses.empty()) {
        answer = FakeLibrary::script.statuses.front();
        FakeLibrary::script.statuses.pop_front();
    }
    writeText(text, answer.text);
    return answer.result;
}

int KORVA_CALL rawStatus(const char* command, char* status, char* answer) {
    FakeLibrary::calls.push_back({"Send_From_FileEXX", {describe(command), "<out>", "<out>"}});
    writeText(status, FakeLibrary::script.rawStatus.text);
    writeText(answer, "");
    return FakeLibrary::script.rawStatus.result;
}

int KORVA_CALL clock(char* text) {
    FakeLibrary::calls.push_back({"Obter_Hora_Relogio", {"<out>"}});
    writeText(text, FakeLibrary::script.clock.text);
    return FakeLibrary::script.clock.result;
}

int KORVA_CALL errorMessage(const char* code, char* message) {
    const int result = record("Obter_Mensagem_Erro", {describe(code)});
    writeText(message, FakeLibrary::script.messages[code]);
    return result;
}

int KORVA_CALL sendFromFileEx(const char* command, char* answer) {
    const int result = record("Send_From_FileEX", {describe(command), "<out>"});
    writeText(answer, scriptedText("Send_From_FileEX"));
    return result;
}

int KORVA_CALL eventLog(char* log, char* count) {
    const int result = record("Obter_Log_Comandos", {"<out>", "<out>"});
    writeText(log, scriptedText("Obter_Log_Comandos"));
    writeText(count, std::to_string(scriptedText("Obter_Log_Comandos").size()));
    return result;
}

int KORVA_CALL rounding(char* rounds, char* own) {
    const int result = record("Obter_Arredonda_Trunca_Fabricacao", {"<out>", "<out>"});
    writeText(rounds, scriptedText("Arredonda"));
    writeText(own, scriptedText("Fabricacao"));
    return result;
}

template <Name N, typename R, typename... A> void bindGeneric(R(KORVA_CALL*& slot)(A...)) {
    slot = &generic<N, A...>;
}

} // namespace

void FakeLibrary::reset() {
    script = FakeScript{};
    script.printerData.text = printerDataWithModel("QP-R4100");
    calls.clear();
}

LibraryEntries FakeLibrary::entries() {
    LibraryEntries e;
#define MORVELAN_BIND_GENERIC(name) bindGeneric<#name>(e.name);
    MORVELAN_KORVA_ENTRY_POINTS(MORVELAN_BIND_GENERIC)
#undef MORVELAN_BIND_GENERIC
    e.Serial_Abrir_PortaAD = openPort;
    e.Obter_Dados_Impressora = printerData;
    e.Obter_Estado_Impressora = status;
    e.Send_From_FileEXX = rawStatus;
    e.Send_From_FileEX = sendFromFileEx;
    e.Obter_Hora_Relogio = clock;
    e.Obter_Mensagem_Erro = errorMessage;
    e.Obter_Log_Comandos = eventLog;
    e.Obter_Arredonda_Trunca_Fabricacao = rounding;
    e.Obter_Cliche_Usuario = textReading<"Obter_Cliche_Usuario">;
    e.Obter_Numero_ECF_Loja = textReading<"Obter_Numero_ECF_Loja">;
    e.Obter_Dados_Usuario = textReading<"Obter_Dados_Usuario">;
    e.Obter_Simbolo_Moeda = textReading<"Obter_Simbolo_Moeda">;
    e.Obter_Desconto_Iss = textReading<"Obter_Desconto_Iss">;
    e.Obter_Tabela_Aliquotas = textReading<"Obter_Tabela_Aliquotas">;
    e.Obter_Tabela_Pagamentos = textReading<"Obter_Tabela_Pagamentos">;
    e.Obter_Tabela_NaoFiscais = textReading<"Obter_Tabela_NaoFiscais">;
    e.Obter_Tabela_Relatorios_Gerenciais = textReading<"Obter_Tabela_Relatorios_Gerenciais">;
    e.Obter_Casas_Decimais = textReading<"Obter_Casas_Decimais">;
    e.Obter_Operador = textReading<"Obter_Operador">;
    e.Obter_Dados_Jornada = textReading<"Obter_Dados_Jornada">;
    e.Obter_Numero_Usuario = textReading<"Obter_Numero_Usuario">;
    e.Obter_Estado_Horario_Verao = valueReading<"Obter_Estado_Horario_Verao", int>;
    e.Obter_Estado_Microchaves = valueReading<"Obter_Estado_Microchaves", unsigned short>;
    return e;
}

int FakeLibrary::count(const std::string& name) {
    return static_cast<int>(callsTo(name).size());
}

std::vector<FakeCall> FakeLibrary::callsTo(const std::string& name) {
    std::vector<FakeCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [&name](const FakeCall& call) { return call.name == name; });
    return found;
}

std::string printerDataWithModel(const std::string& model) {
    std::string data(108, ' ');
    data.replace(60, std::min<std::size_t>(model.size(), 20), model.substr(0, 20));
    return data;
}

} // namespace morvelan::test

// The read command: what a function's form shows after a reading, as "name: value" lines or one
// JSON object.
#include "CliSession.h"
#include "CliTexts.h"

#include "core/base/ResultTexts.h"
#include "core/engine/FunctionCatalogue.h"
#include "core/engine/FunctionNames.h"
#include "core/engine/ServiceObserver.h"
#include "core/present/ReadingFields.h"

#include <chrono>
#include <cstdio>
#include <cstring>

namespace morvelan::cli {
namespace {

// A JSON string of UTF-8 text: the bytes above the control characters pass as they are.
std::string jsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8] = {};
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                json += escape;
            } else {
                json += c;
            }
        }
    }
    return json + "\"";
}

// The history keeps a reading under its item of "Leitura de informações" when it has one, so
// that it never reads as a change of the configuration item that shares its reading.
OperationCode historyCode(const FunctionUse& use) {
    for (const FunctionUse& other : functionUses()) {
        if (other.code.type == 7 && other.reading == use.reading) {
            return other.code;
        }
    }
    return use.code;
}

} // namespace

int CliSession::read(const std::string& code, bool json) {
    const auto parsed = parseFunctionCode(code);
    const FunctionUse* use = parsed ? functionUse(parsed->first, parsed->second) : nullptr;
    if (use != nullptr && readsThroughOperation(*use)) {
        return readStatusFields(*use, json);
    }
    if (use == nullptr || !use->reading) {
        std::fprintf(err_,
                     "morvelan-cli: %s não é uma função de leitura; \"morvelan-cli list\" mostra "
                     "as funções que leem (\"lê\")\n",
                     code.c_str());
        return kExitUsage;
    }
    if (const int exit = detect(); exit != kExitSuccess) {
        return exit;
    }
    const OperationCode reading = *use->reading;
    std::vector<char> data(readingRecordSize(reading), '\0');
    const auto startedAt = std::chrono::system_clock::now();
    const bool read = engine_->readOperation(reading.type, reading.step, data, false);
    // The engine reports the runs that send; a reading is recorded here, with the outcome the
    // response panel would show.
    ResultRecord result = engine_->resultRecords[0];
    if (read && result.resultLine[0] == '\0') {
        std::strncpy(result.resultLine, kSuccessResultLine, sizeof result.resultLine - 1);
    }
    const OperationCode recorded = historyCode(*use);
    engine_->reportRun({.kind = RunKind::Operation,
                        .type = recorded.type,
                        .step = recorded.step,
                        .slot = 0,
                        .startedAt = startedAt,
                        .endedAt = std::chrono::system_clock::now(),
                        .result = &result});
    if (!read) {
        std::fprintf(err_, "morvelan-cli: %s", engine_->readErrorText[0].c_str());
        return kExitFailed;
    }
    if (const auto refusal = readingRefusal(reading, data)) {
        std::fprintf(err_, "morvelan-cli: %s\n", refusal->c_str());
        return kExitFailed;
    }
    printFields(*use, readingFields(reading, data, engine_->isMkiii[0] == 1), json);
    return kExitSuccess;
}

// "Estado do ECF": the operation's decoded status is the whole reading, under the captions the
// response panel gives it.
int CliSession::readStatusFields(const FunctionUse& use, bool json) {
    if (const int exit = detect(); exit != kExitSuccess) {
        return exit;
    }
    engine_->runOperation(use.code.type, use.code.step, {}, kAllPrinters);
    const ResultRecord& result = engine_->resultRecords[0];
    const auto texts = resultTexts(result);
    std::vector<ReadingField> fields;
    for (std::size_t i = 0; i < kResultTextCount; ++i) {
        std::string name = kResultCaptions[i];
        name.pop_back(); // the caption's ":"
        fields.push_back({std::move(name), texts[i]});
    }
    printFields(use, fields, json);
    return result.resultCode == 0 && succeeded(result) ? kExitSuccess : kExitFailed;
}

void CliSession::printFields(const FunctionUse& use, const std::vector<ReadingField>& fields,
                             bool json) {
    if (!json) {
        for (const ReadingField& field : fields) {
            std::fprintf(out_, "%s: %s\n", field.name.c_str(), field.value.c_str());
        }
        return;
    }
    std::string text = "{\"code\":" + jsonString(codeText(use.code.type, use.code.step)) +
                       ",\"function\":" + jsonString(itemName(use.code.type, use.code.step)) +
                       ",\"fields\":[";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        text += (i > 0 ? ",{\"name\":" : "{\"name\":") + jsonString(fields[i].name) +
                ",\"value\":" + jsonString(fields[i].value) + "}";
    }
    text += "]}\n";
    std::fwrite(text.data(), 1, text.size(), out_);
}

} // namespace morvelan::cli

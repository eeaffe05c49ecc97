#include "core/features/backup/BackupSettings.h"

#include "core/base/CommandFileLayout.h"
#include "core/base/TextTrim.h"
#include "core/engine/Engine.h"
#include "core/engine/FunctionNames.h"
#include "core/features/readings/ReadingTexts.h"
#include "core/features/usersettings/UserSettings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace morvelan::backup {
namespace {

// Runs the reading body of (type, step) on the calling worker; true when it succeeded.
bool readInto(Engine& engine, int slot, int type, int step, FormRecord& record) {
    const OperationEntry* reading = engine.readings().find(type, step);
    if (reading == nullptr) {
        return false;
    }
    ResultRecord result{};
    WorkerArgument argument{slot, record, engine.isMkiii[static_cast<std::size_t>(slot)], &result};
    return reading->body(engine, argument) == 0;
}

// The printer answers "S" for rounding and anything else for truncation; the form sends "A" or
// "T". The backup keeps what the form sends, so that the file pre-fills the form and a restore
// sends it as it is.
FormRecord roundingAsSent(const FormRecord& reading) {
    FormRecord record(reading.size(), '\0');
    fiscal::putRounding(record, fiscal::roundingRead(reading));
    return record;
}

} // namespace

std::string settingName(int step) {
    return step == kTaxpayerStep ? std::string("Dados do contribuinte")
                                 : std::string(itemName(6, step));
}

bool sendableSetting(int step) {
    return step != kTaxpayerStep &&
           std::ranges::any_of(kBackupSettings, [&](const auto& s) { return s.step == step; });
}

std::size_t settingSize(int step) {
    const auto block = commandFileBlock(6, step);
    return block ? block->size : 0;
}

PrinterSettings readPrinterSettings(Engine& engine) {
    PrinterSettings settings;
    const bool mkiii = engine.isMkiii[0] == 1;
    const int started = engine.runWorkers(0, [&](int slot) {
        for (const BackupSetting& setting : kBackupSettings) {
            if (setting.mkiiiOnly && !mkiii) {
                settings.notApplicable.push_back(setting.step);
                continue;
            }
            FormRecord record(settingSize(setting.step), '\0');
            if (!readInto(engine, slot, 6, setting.step, record)) {
                settings.unread.push_back(setting.step);
                continue;
            }
            settings.records[setting.step] =
                setting.step == fiscal::kRoundingStep ? roundingAsSent(record) : record;
        }
        FormRecord data(kPrinterDataRecordSize, '\0');
        if (readInto(engine, slot, 7, 2, data)) {
            const std::string text(data.data(), strnlen(data.data(), data.size()));
            settings.serialNumber = trimmed(serializationFields(text)[0]);
        }
    });
    if (started == 0) {
        for (const BackupSetting& setting : kBackupSettings) {
            settings.unread.push_back(setting.step);
        }
    }
    return settings;
}

std::string backupIdentification(const std::string& model, const std::string& serial,
                                 std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    char date[40] = {};
    std::snprintf(date, sizeof date, "%02d/%02d/%04d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900);
    return "ECF " + model + " - série " + (serial.empty() ? std::string("desconhecida") : serial) +
           " - " + date;
}

} // namespace morvelan::backup

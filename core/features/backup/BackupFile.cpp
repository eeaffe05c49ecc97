#include "core/features/backup/BackupFile.h"

#include "core/base/CommandFileCheck.h"
#include "core/base/Cp1252.h"
#include "core/base/RegularFile.h"
#include "core/base/TextTrim.h"
#include "core/features/tables/TableRecords.h"
#include "core/features/tables/TableText.h"
#include "core/features/tables/TaxRateCodes.h"
#include "core/features/usersettings/UserSettings.h"

#include <algorithm>
#include <cstring>

namespace morvelan::backup {
namespace {

using namespace tables;

bool isTextByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F;
}

// The `width` bytes at `offset` hold a text ended by a zero and free of control characters. With
// `attributes`, the text may begin with ESC and an attribute character, as header lines do.
bool soundText(std::span<const char> bytes, std::size_t offset, std::size_t width,
               bool attributes = false) {
    if (offset + width > bytes.size()) {
        return false;
    }
    const std::span<const char> field = bytes.subspan(offset, width);
    const auto end = std::find(field.begin(), field.end(), '\0');
    if (end == field.end()) {
        return false;
    }
    auto text = field.begin();
    if (attributes && text != end && *text == 27) {
        const auto attribute = text + 1 == end ? 0 : static_cast<unsigned char>(*(text + 1));
        if (attribute < 32 || attribute > 63) {
            return false;
        }
        text += 2;
    }
    return std::all_of(text, end, isTextByte);
}

bool digitsOnly(std::span<const char> bytes, std::size_t offset, std::size_t width) {
    if (!soundText(bytes, offset, width)) {
        return false;
    }
    const char* start = bytes.data() + offset;
    return std::all_of(start, start + strnlen(start, width),
                       [](char c) { return c >= '0' && c <= '9'; });
}

template <std::size_t Rows, std::size_t Width>
bool soundNames(const char (&names)[Rows][Width], bool gapless) {
    bool emptySeen = false;
    for (const auto& name : names) {
        if (!soundText(std::span<const char>(name, Width), 0, Width)) {
            return false;
        }
        const bool empty = trimmed(fieldText(name)).empty();
        // The write stops at the first empty row: a name after a gap would be lost.
        if (gapless && emptySeen && !empty) {
            return false;
        }
        emptySeen = emptySeen || empty;
    }
    return true;
}

bool soundPayments(std::span<const char> block) {
    const auto record = loadRecord<PaymentRequest>(block);
    return std::all_of(std::begin(record.rows), std::end(record.rows), [](const PaymentRow& row) {
        return soundText(std::span<const char>(row.name, kNameSize), 0, kNameSize) &&
               (row.linked == 0 || row.linked == 1);
    });
}

bool soundTaxRates(std::span<const char> block) {
    const auto record = loadRecord<TaxRateRequest>(block);
    if (!soundNames(record.rates, true)) {
        return false;
    }
    for (int row = 0; row < kTaxRateRows; ++row) {
        const std::span<const char> rate(record.rates[row], kRateLength + 1);
        if ((record.types[row] != 0 && record.types[row] != 1) ||
            !soundText(std::span<const char>(record.codes[row], 3), 0, 3) ||
            !digitsOnly(rate, 0, kRateLength + 1)) {
            return false;
        }
    }
    return true;
}

bool soundBlock(int step, std::span<const char> block) {
    const auto byteAt = [&](std::size_t i) { return i < block.size() ? block[i] : '\0'; };
    switch (step) {
    case 2:
        for (std::size_t line = 0; line < 4; ++line) {
            if (!soundText(block, line * 57, 57, true)) {
                return false;
            }
        }
        return digitsOnly(block, 228, 5) && digitsOnly(block, 233, 4);
    case 3:
        return soundText(block, 0, block.size());
    case 11:
        return (byteAt(0) == 0 || byteAt(0) == 'S' || byteAt(0) == 'N') && byteAt(1) == 0;
    case kPaymentTable:
        return soundPayments(block);
    case kReportTable:
        return soundNames(loadRecord<ReportRequest>(block).names, true);
    case kTaxRateTable:
        return soundTaxRates(block);
    case kNonFiscalTable:
        return soundNames(loadRecord<NonFiscalRequest>(block).names, true);
    case fiscal::kOperatorStep: {
        // The name may fill its 20 characters; the byte after it is the reading's own.
        const auto name = block.first(std::min(block.size(), fiscal::kOperatorLength));
        return std::all_of(name.begin(), std::find(name.begin(), name.end(), '\0'), isTextByte);
    }
    case fiscal::kDecimalsStep:
        return fiscal::decimalIndex(
                   recordText(block, fiscal::kQuantityOffset, fiscal::kDecimalsWidth)) >= 0 &&
               fiscal::decimalIndex(
                   recordText(block, fiscal::kPriceOffset, fiscal::kDecimalsWidth)) >= 0;
    case fiscal::kRoundingStep:
        return (byteAt(0) == 0 || byteAt(0) == 'A' || byteAt(0) == 'T') && byteAt(1) == 0 &&
               (byteAt(2) == 0 || byteAt(2) == 'S' || byteAt(2) == 'N') && byteAt(3) == 0;
    default:
        return true;
    }
}

} // namespace

CommandFileBytes backupImage(const PrinterSettings& settings, const std::string& identification) {
    CommandFileBytes image{};
    const std::string id = toCp1252(identification);
    std::copy_n(id.begin(), std::min(id.size(), sizeof(CommandFileImage::identification) - 1),
                image.begin());
    for (const auto& [step, record] : settings.records) {
        if (const auto block = commandFileBlock(6, step)) {
            std::copy_n(record.begin(), std::min(block->size, record.size()),
                        image.begin() + static_cast<std::ptrdiff_t>(block->offset));
        }
    }
    return image;
}

std::optional<FormRecord> settingBlock(const CommandFileBytes& file, int step) {
    const auto block = commandFileBlock(6, step);
    if (!block) {
        return std::nullopt;
    }
    const auto start = file.begin() + static_cast<std::ptrdiff_t>(block->offset);
    const auto end = start + static_cast<std::ptrdiff_t>(block->size);
    if (std::all_of(start, end, [](char c) { return c == 0; })) {
        return std::nullopt;
    }
    return FormRecord(start, end);
}

std::optional<std::string> blockFault(int step, std::span<const char> block) {
    const std::string damaged = "O bloco \"" + settingName(step) + "\" do arquivo está danificado";
    if (!soundBlock(step, block)) {
        return damaged + ".";
    }
    // The printer gives every rate its code: a code it would not give means the file is not
    // what was read from a printer or sent from the form.
    if (step == kTaxRateTable) {
        if (const auto fault = rateCodesFault(loadRecord<TaxRateRequest>(block))) {
            return damaged + ": " + *fault;
        }
    }
    return std::nullopt;
}

std::variant<CommandFileBytes, std::string> loadForRestore(const std::string& path) {
    FileFault unread;
    const auto content = readWholeFile(path, kCommandFileBound, &unread);
    if (!content) {
        return "Não foi possível ler o arquivo " + path + ": " + unread.text + ".";
    }
    if (auto fault = commandFileFault(*content)) {
        return *fault;
    }
    CommandFileBytes file{};
    std::copy_n(content->begin(), file.size(), file.begin());
    for (const BackupSetting& setting : kBackupSettings) {
        if (setting.step == kTaxpayerStep) {
            continue;
        }
        if (const auto block = settingBlock(file, setting.step)) {
            if (auto fault = blockFault(setting.step, *block)) {
                return *fault;
            }
        }
    }
    return file;
}

} // namespace morvelan::backup

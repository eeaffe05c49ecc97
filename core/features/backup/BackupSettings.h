// The settings a backup of a printer holds: which operations' blocks of the command file, which
// of them a restore sends, and the reading of all of them from the printer at once.
#pragma once

#include "core/features/common/FormRecord.h"

#include <array>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace morvelan {
class Engine;
}

namespace morvelan::backup {

// Taxpayer data: kept for reference only. They are permanent in the fiscal memory, so a restore
// says when they differ and never sends them.
inline constexpr int kTaxpayerStep = 13;

struct BackupSetting {
    int step;             // the configuration operation 6.step, whose block holds the setting
    bool mkiiiOnly;       // third-generation printers only
    bool anyMode = false; // the printer takes it outside technical intervention too
};

// In the order they are read, planned and sent. The clock, the serial speed, daylight saving and
// the fiscal operations are never part of a backup: a restore must not set any of them.
inline constexpr std::array<BackupSetting, 11> kBackupSettings = {{
    {2, false},        // header lines, ECF and store numbers
    {3, false},        // currency symbol
    {11, false},       // ISSQN discount
    {7, false},        // payment methods
    {8, false},        // managerial reports
    {9, false},        // tax rates
    {10, false},       // non-fiscal totalizers
    {15, false, true}, // operator
    {17, true},        // decimals
    {18, true},        // rounding and own manufacture
    {kTaxpayerStep, false},
}};

// Whether a restore (or an apply) sends the setting of 6.step: every setting of a backup but the
// taxpayer data.
bool sendableSetting(int step);

// The name the technician knows the setting by (UTF-8).
std::string settingName(int step);
// The size of the setting's request data, which is also its block of the command file.
std::size_t settingSize(int step);

// What one reading of a printer found: the record of each setting read, in the layout of its
// form's block (rounding as the form sends it), the settings that could not be read and those the
// printer does not have.
struct PrinterSettings {
    std::map<int, FormRecord> records;
    std::vector<int> unread;
    std::vector<int> notApplicable; // third-generation settings of an older printer
    std::string serialNumber;       // of the fiscal memory; empty when it could not be read
};

// Reads every setting of the first present printer on one worker, behind one progress dialog.
// The caller has made sure a printer is present.
PrinterSettings readPrinterSettings(Engine& engine);

// "ECF <model> - série <serial> - DD/MM/AAAA" (UTF-8), the identification of a backup.
std::string backupIdentification(const std::string& model, const std::string& serial,
                                 std::time_t now);

} // namespace morvelan::backup

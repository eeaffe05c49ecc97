// The arithmetic behind the progress dialogs, kept apart from the widgets so that it can be
// checked without a display.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

namespace morvelan {

// Waiting dialogs move their bar by 5 every tick and start over once past 100.
int nextBarPosition(int position);

// Written by the software-update transfer worker while it streams a section, read by the update
// progress dialog on the user-interface thread.
struct UpdateProgress {
    std::atomic<std::int32_t> startOffset{0};
    std::atomic<std::int32_t> endOffset{0};
    std::atomic<std::int32_t> offsetReached{0};
    std::atomic<std::int32_t> section{0};
    std::atomic<std::uint8_t> done{0};
};

struct UpdateEstimate {
    int percentage = 0;
    std::string percentageText; // "%02d%"
    std::string remainingText;  // the remaining time, or the closing phase's text
};

inline constexpr const char* kFinishingText = "Finalizando Processo Interno...";

// Seconds a whole section takes; nullopt for a section past the known ones.
std::optional<int> sectionSeconds(int section);

// The estimate for the offsets reached so far; nullopt while the worker has not said where the
// section starts and ends (the dialog then keeps what it shows).
std::optional<UpdateEstimate> estimateUpdate(std::int32_t start, std::int32_t end,
                                             std::int32_t current, std::int32_t section);

// "%02d segundos.", "%02d minutos e %02d segundos." or "%02d minutos.".
std::string remainingTimeText(int seconds);

// The chronometer's "%02d:%02d:%02d": minutes, seconds and hundredths of the elapsed time.
std::string chronometerText(std::int64_t elapsedMs);

} // namespace morvelan

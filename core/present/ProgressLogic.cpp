#include "core/present/ProgressLogic.h"

#include <cstdio>

namespace morvelan {

int nextBarPosition(int position) {
    position += 5;
    return position > 100 ? 0 : position;
}

std::optional<int> sectionSeconds(int section) {
    if (section < 0 || section > 21)
        return std::nullopt;
    if (section <= 7)
        return 1320;
    if ((section >= 12 && section <= 15) || section == 19)
        return 900;
    if (section == 18)
        return 960;
    if (section == 20 || section == 21)
        return 720;
    return 1260; // 8 to 11, 16 and 17
}

std::string remainingTimeText(int seconds) {
    if (seconds <= 0)
        return kFinishingText;
    char text[64];
    if (seconds <= 60)
        std::snprintf(text, sizeof text, "%02d segundos.", seconds);
    else if (seconds % 60 == 0)
        std::snprintf(text, sizeof text, "%02d minutos.", seconds / 60);
    else
        std::snprintf(text, sizeof text, "%02d minutos e %02d segundos.", seconds / 60,
                      seconds % 60);
    return text;
}

std::optional<UpdateEstimate> estimateUpdate(std::int32_t start, std::int32_t end,
                                             std::int32_t current, std::int32_t section) {
    // A section whose end does not lie after its start has no meaningful share; dividing by its
    // length would crash the dialog.
    if (start == 0 || end == 0 || current == 0 || end <= start)
        return std::nullopt;
    UpdateEstimate estimate;
    const auto done = (static_cast<std::int64_t>(current) - start) * 100 / (end - start);
    estimate.percentage = static_cast<int>(done);
    char text[32];
    std::snprintf(text, sizeof text, "%02d%%", estimate.percentage);
    estimate.percentageText = text;
    const auto total = sectionSeconds(section);
    if (!total) {
        estimate.remainingText = kFinishingText;
        return estimate;
    }
    const auto remaining = *total - static_cast<std::int64_t>(estimate.percentage) * *total / 100;
    estimate.remainingText = remainingTimeText(static_cast<int>(remaining));
    return estimate;
}

std::string chronometerText(std::int64_t elapsedMs) {
    if (elapsedMs < 0)
        elapsedMs = 0;
    const auto minutes = static_cast<int>((elapsedMs / 60000) % 60);
    const auto seconds = static_cast<int>((elapsedMs / 1000) % 60);
    const auto hundredths = static_cast<int>((elapsedMs % 1000) / 10);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", minutes, seconds, hundredths);
    return text;
}

} // namespace morvelan

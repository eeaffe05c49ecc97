// The printer models the virtual printer can be: what each answers about itself and what its
// software becomes after an update.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace korva {

struct ModelProfile {
    std::string_view key;            // chosen on reset ("qp-r4100-mkiii")
    std::string_view model;          // model text of the printer data
    std::string_view board;          // answer of 0567
    std::string_view variant;        // ninth character of the answer of 0565
    std::string_view version;        // basic software as it leaves the factory
    std::string_view updatedVersion; // basic software after a complete update
    bool thirdGeneration;
};

std::span<const ModelProfile> modelProfiles();
// By key or by model text, without regard to case; nullptr when unknown.
const ModelProfile* findModel(std::string_view keyOrModel);
const ModelProfile& defaultModel();

// Procedure field of 056B and 056C for the printer's generation.
std::string_view updateProcedure(bool thirdGeneration);

} // namespace korva

#include "Models.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace korva {
namespace {

constexpr std::array<ModelProfile, 8> kProfiles = {{
    {"qp-r4100-mkiii", "QP-R4100 MKIII", "QP-R4100III", "S", "4.00.12 BRF", "4.00.13 BRF", true},
    {"qp-r4100-mkiii-ii", "QP-R4100 MKIII", "QP-R4100II", "S", "3.00.12 BRF", "3.00.13 BRF", true},
    {"qp-l30-mkiii", "QP-L30 MKIII", "QP-L30", "S", "2.00.12 BRF", "2.00.13 BRF", true},
    {"qp-l20-mkiii", "QP-L20 MKIII", "QP-L20", "S", "2.00.12 BRF", "2.00.13 BRF", true},
    {"qp-r4100", "QP-R4100", "QP-R4100III", "S", "1.01 BRF", "1.02 BRF", false},
    {"qp-r4100-b", "QP-R4100", "QP-R4100III", "B", "2.01 BRF", "2.02 BRF", false},
    {"qp-l30", "QP-L30", "QP-L30", "S", "1.01 BRF", "1.02 BRF", false},
    {"qp-l20", "QP-L20", "QP-L20", "S", "1.00 BRF", "1.02 BRF", false},
}};

bool sameText(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::span<const ModelProfile> modelProfiles() {
    return kProfiles;
}

const ModelProfile* findModel(std::string_view keyOrModel) {
    for (const auto& p : kProfiles) {
        if (sameText(p.key, keyOrModel)) {
            return &p;
        }
    }
    // A model text names its first profile (the usual board of that model).
    for (const auto& p : kProfiles) {
        if (sameText(p.model, keyOrModel)) {
            return &p;
        }
    }
    return nullptr;
}

const ModelProfile& defaultModel() {
    return kProfiles[0];
}

std::string_view updateProcedure(bool thirdGeneration) {
    return thirdGeneration ? "00.12 BRF" : "1.02 BRF";
}

} // namespace korva

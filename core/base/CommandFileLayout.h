// The byte layout of a command file: 10184 bytes, an identification and one block per form
// operation holding the leading bytes of that operation's request data.
#pragma once

#include "core/base/RegularFile.h"

#include <array>
#include <cstddef>
#include <optional>

namespace morvelan {

struct CommandFileImage {
    char identification[1024];
    char header[471];       // 6.2
    char currencySymbol[5]; // 6.3
    char serialSpeed[6];    // 6.4
    char clock[32];         // 6.5
    char reserved1538[6];
    char paymentMethods[1263]; // 6.7
    char reports[743];         // 6.8
    char taxRates[717];        // 6.9
    char nonFiscal[1003];      // 6.10
    char issqnDiscount[2];     // 6.11
    char taxpayer[262];        // 6.13
    char operatorName[21];     // 6.15
    char reserved5555[601];
    char municipalRegistration[71]; // 6.16
    char decimals[15];              // 6.17
    char rounding[4];               // 6.18
    char reserved6246[782];
    char zReduction[28];          // 8.2
    char fiscalMemoryReading[28]; // 8.3
    char detailMemoryReading[24]; // 8.4
    char reserved7108[3076];
};

inline constexpr std::size_t kCommandFileSize = 10184;
// A command file the technician chooses is read only up to its exact size; the check then
// refuses any other size with its own words.
inline constexpr FileBound kCommandFileBound{"um arquivo de comandos", kCommandFileSize};
static_assert(sizeof(CommandFileImage) == kCommandFileSize);
static_assert(offsetof(CommandFileImage, header) == 1024);
static_assert(offsetof(CommandFileImage, currencySymbol) == 1495);
static_assert(offsetof(CommandFileImage, serialSpeed) == 1500);
static_assert(offsetof(CommandFileImage, clock) == 1506);
static_assert(offsetof(CommandFileImage, reserved1538) == 1538);
static_assert(offsetof(CommandFileImage, paymentMethods) == 1544);
static_assert(offsetof(CommandFileImage, reports) == 2807);
static_assert(offsetof(CommandFileImage, taxRates) == 3550);
static_assert(offsetof(CommandFileImage, nonFiscal) == 4267);
static_assert(offsetof(CommandFileImage, issqnDiscount) == 5270);
static_assert(offsetof(CommandFileImage, taxpayer) == 5272);
static_assert(offsetof(CommandFileImage, operatorName) == 5534);
static_assert(offsetof(CommandFileImage, reserved5555) == 5555);
static_assert(offsetof(CommandFileImage, municipalRegistration) == 6156);
static_assert(offsetof(CommandFileImage, decimals) == 6227);
static_assert(offsetof(CommandFileImage, rounding) == 6242);
static_assert(offsetof(CommandFileImage, reserved6246) == 6246);
static_assert(offsetof(CommandFileImage, zReduction) == 7028);
static_assert(offsetof(CommandFileImage, fiscalMemoryReading) == 7056);
static_assert(offsetof(CommandFileImage, detailMemoryReading) == 7084);
static_assert(offsetof(CommandFileImage, reserved7108) == 7108);

struct CommandFileBlock {
    int type;
    int step;
    std::size_t offset;
    std::size_t size;
};

#define MORVELAN_BLOCK(type, step, field)                                                          \
    CommandFileBlock {                                                                             \
        type, step, offsetof(CommandFileImage, field), sizeof(CommandFileImage::field)             \
    }

// The operations that keep their last values in the file; any other code has no block.
inline constexpr std::array<CommandFileBlock, 17> kCommandFileBlocks = {
    MORVELAN_BLOCK(6, 2, header),
    MORVELAN_BLOCK(6, 3, currencySymbol),
    MORVELAN_BLOCK(6, 4, serialSpeed),
    MORVELAN_BLOCK(6, 5, clock),
    MORVELAN_BLOCK(6, 7, paymentMethods),
    MORVELAN_BLOCK(6, 8, reports),
    MORVELAN_BLOCK(6, 9, taxRates),
    MORVELAN_BLOCK(6, 10, nonFiscal),
    MORVELAN_BLOCK(6, 11, issqnDiscount),
    MORVELAN_BLOCK(6, 13, taxpayer),
    MORVELAN_BLOCK(6, 15, operatorName),
    MORVELAN_BLOCK(6, 16, municipalRegistration),
    MORVELAN_BLOCK(6, 17, decimals),
    MORVELAN_BLOCK(6, 18, rounding),
    MORVELAN_BLOCK(8, 2, zReduction),
    MORVELAN_BLOCK(8, 3, fiscalMemoryReading),
    MORVELAN_BLOCK(8, 4, detailMemoryReading),
};

#undef MORVELAN_BLOCK

constexpr std::optional<CommandFileBlock> commandFileBlock(int type, int step) {
    for (const CommandFileBlock& block : kCommandFileBlocks) {
        if (block.type == type && block.step == step) {
            return block;
        }
    }
    return std::nullopt;
}

static_assert(commandFileBlock(6, 7)->offset == 1544 && commandFileBlock(6, 7)->size == 1263);
static_assert(!commandFileBlock(6, 1) && !commandFileBlock(6, 6) && !commandFileBlock(8, 1));

} // namespace morvelan

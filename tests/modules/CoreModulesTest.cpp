#include "core/modules/CoreModules.h"
#include "EngineFixture.h"
#include "core/engine/FunctionCatalogue.h"
#include "core/engine/FunctionNames.h"

#include <string>
#include <vector>

namespace morvelan::test {
namespace {

std::string codeText(OperationCode code) {
    return std::to_string(code.type) + "." + std::to_string(code.step);
}

std::vector<std::string> missingBodies(Engine& engine) {
    std::vector<std::string> missing;
    for (const FunctionUse& use : functionUses()) {
        if (use.operation && engine.operations().find(use.code.type, use.code.step) == nullptr) {
            missing.push_back("body of " + codeText(use.code));
        }
        if (use.reading &&
            engine.readings().find(use.reading->type, use.reading->step) == nullptr) {
            missing.push_back("reading of " + codeText(use.code));
        }
    }
    return missing;
}

class CoreModules : public EngineFixture {};

TEST_F(CoreModules, TheCatalogueNamesEveryLeafOfTheTreeOnceAndInOrder) {
    std::vector<std::string> leaves;
    for (const FunctionGroup& group : functionGroups()) {
        for (const FunctionItem& item : group.items) {
            leaves.push_back(codeText({group.number, item.number}));
        }
    }
    std::vector<std::string> catalogued;
    for (const FunctionUse& use : functionUses()) {
        catalogued.push_back(codeText(use.code));
        // Each leaf is served one way at least: an operation, a reading or a tool of its own.
        EXPECT_TRUE(use.operation || use.reading || !use.tool.empty()) << codeText(use.code);
    }
    EXPECT_EQ(catalogued, leaves);
    EXPECT_EQ(leaves.size(), 51U);
}

TEST_F(CoreModules, EveryOperationAndReadingOfTheTreeHasItsBodyOnceAssembled) {
    // The engine alone lacks what the features bring, so the walk below can fail.
    EXPECT_FALSE(missingBodies(*engine).empty());
    registerCoreModules(*engine);
    EXPECT_EQ(missingBodies(*engine), std::vector<std::string>{});
}

TEST_F(CoreModules, TaxpayerResultFlagFollowsThePrinter) {
    detect();
    char request[262] = {};
    request[0] = 1;
    // The module's entry with a body the fake library can fail at will.
    registerCoreModules(*engine);
    OperationEntry entry = *engine->operations().find(6, 13);
    entry.body = [](Engine& e, WorkerArgument&) {
        return e.call(&LibraryEntries::Iniciar_Nova_MFD);
    };
    engine->operations().add(6, 13, entry);
    engine->runOperation(6, 13, request, kAllPrinters);
    EXPECT_EQ(request[1], 0);

    FakeLibrary::script.results["Iniciar_Nova_MFD"] = 1;
    engine->runOperation(6, 13, request, kAllPrinters);
    EXPECT_EQ(request[1], 1);

    FakeLibrary::script.results["Iniciar_Nova_MFD"] = 0;
    engine->printerPresent[0] = 0;
    FakeLibrary::script.openPort = {3, ""};
    engine->detectionNeeded = 1;
    engine->runOperation(6, 13, request, kAllPrinters);
    EXPECT_EQ(request[1], 1);
}

} // namespace
} // namespace morvelan::test

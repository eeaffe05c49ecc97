// An engine bound to the scripted fake library, with recording prompts and frame. The engine is
// bare unless the test hands in how to assemble it (registerCoreModules, as the front ends do).
#pragma once

#include "FakeLibrary.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "core/base/Cp1252.h"
#include "core/engine/Engine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace morvelan::test {

class EngineFixture : public ::testing::Test {
protected:
    explicit EngineFixture(std::function<void(Engine&)> assemble = {})
        : assemble_(std::move(assemble)) {
        FakeLibrary::reset();
        makeEngine(bindLibraryFromTable(FakeLibrary::entries()));
    }

    // Every engine the test makes is assembled the same way.
    void makeEngine(BoundLibrary library) { makeEngine(library, dir.path()); }
    void makeEngine(BoundLibrary library, const std::string& programDirectory) {
        engine = std::make_unique<Engine>(library, prompts, frame, programDirectory);
        if (assemble_) {
            assemble_(*engine);
        }
    }

    // Detects the scripted printer and forgets the calls detection made.
    void detect() {
        ASSERT_TRUE(engine->ensurePrinter());
        ASSERT_EQ(engine->printerPresent[0], 1);
        FakeLibrary::calls.clear();
        prompts.messages.clear();
        frame.events.clear();
    }

    // A record text, back in UTF-8.
    template <std::size_t N> static std::string text(const char (&field)[N]) {
        return fromCp1252(std::string_view(field, strnlen(field, N)));
    }

    TempDir dir;
    RecordingPrompts prompts;
    RecordingFrame frame;
    std::unique_ptr<Engine> engine;

private:
    std::function<void(Engine&)> assemble_;
};

} // namespace morvelan::test

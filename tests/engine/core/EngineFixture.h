// An engine bound to the scripted fake library, with recording prompts and frame.
#pragma once

#include "FakeLibrary.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "core/base/Cp1252.h"
#include "core/engine/Engine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace morvelan::test {

class EngineFixture : public ::testing::Test {
protected:
    EngineFixture() {
        FakeLibrary::reset();
        makeEngine(bindLibraryFromTable(FakeLibrary::entries()));
    }

    void makeEngine(BoundLibrary library) {
        engine = std::make_unique<Engine>(library, prompts, frame, dir.path());
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
};

} // namespace morvelan::test

// What a reading shows, without its form: the request data a reading code of the function
// catalogue needs, and the filled data as the labelled values its read-mode form displays, so
// that the command line prints what the technician would see in the window.
#pragma once

#include "core/engine/FunctionCatalogue.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace morvelan {

struct ReadingField {
    std::string name;  // the form's label, without its ":" and its "&" (UTF-8)
    std::string value; // what the control shows (UTF-8)
    friend bool operator==(const ReadingField&, const ReadingField&) = default;
};

// The size of the request data readOperation fills for `reading`, as the reading's form
// registers it; 0 for a code that is no reading.
std::size_t readingRecordSize(OperationCode reading);

// The fields of a filled record in the form's order. `thirdGeneration`: the printer read was a
// third-generation one, whose header form shows two more boxes.
std::vector<ReadingField> readingFields(OperationCode reading, std::span<const char> data,
                                        bool thirdGeneration);

// Why the form would not show a reading that succeeded (the taxpayer form without a user);
// nothing when it shows it.
std::optional<std::string> readingRefusal(OperationCode reading, std::span<const char> data);

} // namespace morvelan

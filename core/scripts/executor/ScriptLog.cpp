#include "core/scripts/executor/ScriptLog.h"

#include "core/scripts/executor/CommandLog.h"

namespace morvelan {
namespace {

std::string omissionLine(std::size_t count) {
    return "[... " + std::to_string(count) + (count == 1 ? " linha omitida" : " linhas omitidas") +
           " ...]" + std::string(kLogLineEnd);
}

} // namespace

void BoundedLog::add(std::string_view piece, bool failed) {
    while (!piece.empty()) {
        const auto end = piece.find('\n');
        const std::size_t length = end == std::string_view::npos ? piece.size() : end + 1;
        keep(piece.substr(0, length), failed);
        piece.remove_prefix(length);
    }
}

void BoundedLog::keep(std::string_view line, bool failed) {
    ++lines_;
    if (firstLines_ < kKeptFirstLines) {
        first_ += line;
        ++firstLines_;
        return;
    }
    last_.push_back({std::string(line), failed});
    if (last_.size() > kKeptLastLines) {
        passOver(last_.front());
        last_.pop_front();
    }
}

// A line leaving the last lines: kept among the middle lines when it belongs to a failure and
// there is room for it and for the count of the lines left out before it.
void BoundedLog::passOver(const Line& line) {
    const std::size_t needed = 1 + (omittedRun_ > 0 ? 1 : 0);
    if (!line.failed || middleLines_ + needed > kKeptMiddleLines) {
        ++omittedRun_;
        ++omitted_;
        return;
    }
    if (omittedRun_ > 0) {
        middle_ += omissionLine(omittedRun_);
        omittedRun_ = 0;
    }
    middle_ += line.text;
    middleLines_ += needed;
}

std::string BoundedLog::text() const {
    std::string text = first_ + middle_;
    if (omittedRun_ > 0)
        text += omissionLine(omittedRun_);
    for (const Line& line : last_)
        text += line.text;
    return text;
}

void ScriptLog::write(std::string_view piece, bool failed) {
    if (destination_)
        destination_(piece);
    kept_.add(piece, failed);
}

} // namespace morvelan

// A script run's command log on its way out of the worker: each finished piece (the header, one
// script line's command with its answer and response, the closing separator) goes at once to its
// destination, so that a run of millions of commands never holds its whole log, and the history
// keeps a copy of bounded size.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace morvelan {

// What the history keeps of one run: the first lines, the last lines and, between them, the
// lines of failed commands, each run of lines left out counted on a line of its own. A log that
// fits is kept whole.
inline constexpr std::size_t kKeptFirstLines = 400;
inline constexpr std::size_t kKeptLastLines = 400;
inline constexpr std::size_t kKeptMiddleLines = 200; // failures and the counts of omitted lines

class BoundedLog {
public:
    // A piece of whole lines; `failed` when it holds a command the printer did not answer with
    // success.
    void add(std::string_view piece, bool failed);

    std::size_t lines() const { return lines_; }
    std::size_t omitted() const { return omitted_; }
    // The kept lines in their order, with "[... N linhas omitidas ...]" where lines were left out.
    std::string text() const;

private:
    struct Line {
        std::string text;
        bool failed = false;
    };
    void keep(std::string_view line, bool failed);
    void passOver(const Line& line);

    std::string first_;
    std::size_t firstLines_ = 0;
    std::string middle_;
    std::size_t middleLines_ = 0;
    std::size_t omittedRun_ = 0; // left out since the last kept middle line
    std::deque<Line> last_;
    std::size_t lines_ = 0;
    std::size_t omitted_ = 0;
};

class ScriptLog {
public:
    using Destination = std::function<void(std::string_view piece)>;

    // An empty destination drops the pieces; the history's copy is kept all the same.
    explicit ScriptLog(Destination destination = {}) : destination_(std::move(destination)) {}

    void write(std::string_view piece, bool failed);
    const BoundedLog& kept() const { return kept_; }

private:
    Destination destination_;
    BoundedLog kept_;
};

} // namespace morvelan

#include "CliPrompts.h"

#include "CliSignals.h"

#include <cerrno>
#include <chrono>
#include <thread>
#include <unistd.h>

namespace morvelan::cli {

CliPrompts::CliPrompts(std::FILE* err, std::FILE* in, bool waitForEnter)
    : err_(err), in_(in), waitForEnter_(waitForEnter), mainThread_(std::this_thread::get_id()) {}

void CliPrompts::show(const std::string& title, const std::string& text) {
    if (!title.empty()) {
        std::fprintf(err_, "%s: ", title.c_str());
    }
    std::fprintf(err_, "%s\n", text.c_str());
    std::fflush(err_);
}

void CliPrompts::waitForEnter() {
    if (!waitForEnter_) {
        return;
    }
    std::fputs("[Enter para continuar]\n", err_);
    std::fflush(err_);
    readLine();
}

std::optional<std::string> readAnswerLine(FILE* in) {
    // Read byte by byte from the descriptor, not through the stream's buffer, so that what the
    // poll of waitForInput sees is all there is to read. A stream in memory has no descriptor
    // and never waits.
    const int fd = in != nullptr ? ::fileno(in) : -1;
    std::string line;
    for (;;) {
        if (!waitForInput(fd)) {
            return std::nullopt;
        }
        char c = 0;
        ssize_t n = 0;
        if (fd >= 0) {
            n = ::read(fd, &c, 1);
        } else if (const int got = in != nullptr ? std::fgetc(in) : EOF; got != EOF) {
            c = static_cast<char>(got);
            n = 1;
        }
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (n <= 0) {
            return line.empty() ? std::nullopt : std::optional(line);
        }
        if (c == '\n') {
            return line;
        }
        line += c;
    }
}

std::optional<std::string> CliPrompts::readLine() {
    return readAnswerLine(in_);
}

void CliPrompts::message(const std::string& title, const std::string& text, PromptIcon) {
    show(title, text);
    // Only the script's own messages wait; the program's errors are only said.
    if (std::this_thread::get_id() != mainThread_) {
        waitForEnter();
    }
}

StepAnswer CliPrompts::askStep(const std::string& line) {
    for (;;) {
        std::fprintf(err_, "Próximo comando: %s [Enter envia, n pula, q para] ", line.c_str());
        std::fflush(err_);
        const std::optional<std::string> answer = readLine();
        if (!answer) {
            // Ended by the input's end or a signal, not by Enter: the line is still open.
            std::fputs("\n", err_);
            return StepAnswer::Stop;
        }
        if (answer->empty()) {
            return StepAnswer::Send;
        }
        if (*answer == "n" || *answer == "N") {
            return StepAnswer::Skip;
        }
        if (*answer == "q" || *answer == "Q") {
            return StepAnswer::Stop;
        }
    }
}

bool CliPrompts::askYesNo(const std::string& title, const std::string& text, PromptIcon) {
    // Nothing that changes the printer is confirmed behind the technician's back.
    show(title, text);
    return false;
}

bool CliPrompts::askOkCancel(const std::string& title, const std::string& text, PromptIcon) {
    show(title, text);
    return false;
}

std::optional<std::string> CliPrompts::openFile(const std::string&, const std::string&) {
    return std::nullopt;
}

std::optional<std::string> CliPrompts::saveFile(const std::string&, const std::string&) {
    return std::nullopt;
}

void CliPrompts::chronometer(const std::string& text) {
    const auto start = std::chrono::steady_clock::now();
    show(kAlertTitle, text);
    waitForEnter();
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::fprintf(err_, "%s\n", elapsedText(elapsed.count()).c_str());
    std::fflush(err_);
}

bool confirm(const Confirmation& how, const char* question, const char* action,
             const char* nothingDone) {
    // An interrupt that came while the question was prepared is no confirmation, even with --yes.
    if (stopSignal() != 0) {
        std::fprintf(how.err, "morvelan-cli: %s\n", nothingDone);
        return false;
    }
    if (how.yes) {
        return true;
    }
    if (!how.interactive) {
        std::fprintf(how.err, "morvelan-cli: %s: sem terminal para confirmar; use --yes para %s\n",
                     nothingDone, action);
        return false;
    }
    std::fprintf(how.err, "%s [s/N] ", question);
    std::fflush(how.err);
    const std::optional<std::string> answer = readAnswerLine(how.in);
    if (answer && !answer->empty() && (answer->front() == 's' || answer->front() == 'S')) {
        return true;
    }
    std::fprintf(how.err, "morvelan-cli: %s\n", nothingDone);
    return false;
}

std::string elapsedText(long long milliseconds) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(milliseconds / 60000 % 60),
                  static_cast<int>(milliseconds / 1000 % 60),
                  static_cast<int>(milliseconds % 1000 / 10));
    return text;
}

} // namespace morvelan::cli

#include "EntryCommon.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace korva::entry {

Command::Command(std::string_view code, std::string_view extension) {
    line_.reserve(64);
    line_.append(code).append("|").append(extension);
}

void Command::reject(int code) {
    if (errorCode_ == 0) {
        errorCode_ = code;
        errorField_ = position_;
    }
}

Command& Command::text(const char* value, std::size_t maxChars) {
    ++position_;
    if (value == nullptr) {
        reject(kFieldMissing);
        return *this;
    }
    const std::string_view text = boundedText(value, maxChars);
    // A "|" would split the text into two fields and shift every field after it.
    if (text.find('|') != std::string_view::npos) {
        reject(kFieldMalformed);
    }
    if (errorCode_ == 0) {
        line_.append("|").append(text);
    }
    return *this;
}

Command& Command::number(long value) {
    ++position_;
    if (errorCode_ == 0) {
        line_.append("|").append(std::to_string(value));
    }
    return *this;
}

Command& Command::output(const void* buffer) {
    ++position_;
    if (buffer == nullptr) {
        reject(kFieldMissing);
    }
    return *this;
}

Command& Command::skip() {
    ++position_;
    return *this;
}

Exchange Command::send() const {
    if (errorCode_ != 0) {
        return printer().rejectArgument(errorCode_, errorField_);
    }
    return printer().execute(line_);
}

void putText(Out out, std::string_view text) {
    if (out.data == nullptr || out.size == 0) {
        return;
    }
    const std::size_t n = std::min(text.size(), out.size - 1);
    std::memcpy(out.data, text.data(), n);
    out.data[n] = '\0';
}

void putFixed(Out out, std::string_view text) {
    if (out.data == nullptr) {
        return;
    }
    std::memcpy(out.data, text.data(), std::min(text.size(), out.size));
}

std::string fit(std::string_view text, std::size_t width, char pad) {
    std::string result(text.substr(0, width));
    result.resize(width, pad);
    return result;
}

std::string fitNumber(std::string_view digits, std::size_t width) {
    if (digits.size() >= width) {
        return std::string(digits.substr(digits.size() - width));
    }
    return std::string(width - digits.size(), '0').append(digits);
}

std::string_view field(const Exchange& exchange, std::size_t index) {
    if (index >= exchange.fields.size()) {
        return {};
    }
    return exchange.fields[index];
}

std::string_view boundedText(const char* value, std::size_t maxChars) {
    if (value == nullptr) {
        return {};
    }
    return {value, strnlen(value, maxChars)};
}

VirtualPrinter& printer() {
    return VirtualPrinter::process();
}

int rejectArgument(int fieldErrorCode, int fieldNumber) {
    return printer().rejectArgument(fieldErrorCode, fieldNumber).result;
}

int runGuarded(int (*trampoline)(void*), void* body) noexcept {
    // Entry points that take more than one exchange, or read one status and then another, must
    // not interleave with a call from another thread.
    static std::mutex libraryLock;
    try {
        const std::lock_guard lock(libraryLock);
        return trampoline(body);
    } catch (...) {
        return KORVA_ERRO_SEM_RESPOSTA;
    }
}

} // namespace korva::entry

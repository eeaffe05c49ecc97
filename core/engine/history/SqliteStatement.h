// The history's prepared statements over the SQLite C interface. Internal to the history.
#pragma once

#include "core/base/Utf8Text.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvelan::history {

// A prepared statement that finalizes itself; binds count from 1. Texts go in and come out as
// valid UTF-8; a value SQLite refuses (too long) makes step() fail instead of writing NULL.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        if (db != nullptr)
            sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    Statement& bind(int index, std::string_view text) {
        const std::string valid = validUtf8(text);
        return check(sqlite3_bind_text64(stmt_, index, valid.data(), valid.size(), SQLITE_TRANSIENT,
                                         SQLITE_UTF8));
    }
    Statement& bind(int index, std::int64_t value) {
        sqlite3_bind_int64(stmt_, index, value);
        return *this;
    }
    Statement& bindOptional(int index, const std::optional<std::int64_t>& value) {
        if (value)
            return bind(index, *value);
        sqlite3_bind_null(stmt_, index);
        return *this;
    }
    Statement& bindOptional(int index, const std::optional<std::string>& value) {
        if (value)
            return bind(index, std::string_view(*value));
        sqlite3_bind_null(stmt_, index);
        return *this;
    }
    Statement& bindBlob(int index, const std::vector<char>& bytes) {
        if (bytes.empty())
            sqlite3_bind_null(stmt_, index);
        else
            check(sqlite3_bind_blob64(stmt_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT));
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step() {
        if (bindError_ != SQLITE_OK)
            return bindError_;
        return stmt_ != nullptr ? sqlite3_step(stmt_) : SQLITE_MISUSE;
    }

    // A file written before texts were made valid may hold a file name's raw bytes.
    std::string text(int column) const {
        const auto* value = sqlite3_column_text(stmt_, column);
        return value != nullptr
                   ? validUtf8(std::string_view(
                         reinterpret_cast<const char*>(value),
                         static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))))
                   : std::string();
    }
    std::int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::optional<std::int64_t> optionalInteger(int column) const {
        if (sqlite3_column_type(stmt_, column) == SQLITE_NULL)
            return std::nullopt;
        return integer(column);
    }
    std::vector<char> blob(int column) const {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
        const auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column));
        std::vector<char> result(size);
        if (bytes != nullptr)
            std::copy_n(bytes, size, result.begin());
        return result;
    }

private:
    Statement& check(int result) {
        if (result != SQLITE_OK && bindError_ == SQLITE_OK)
            bindError_ = result;
        return *this;
    }

    sqlite3_stmt* stmt_ = nullptr;
    int bindError_ = SQLITE_OK;
};

} // namespace morvelan::history

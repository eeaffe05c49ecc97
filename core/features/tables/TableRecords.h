// The request data of the four table operations (6.7 to 6.10). Each record is both what a form
// hands to the engine and the block of the command file that keeps the form's last values, so
// its bytes are a file format: every field is a char array, the layouts carry no padding, and
// the sizes and offsets are checked here.
#pragma once

#include <cstddef>

namespace morvelan::tables {

inline constexpr int kPaymentTable = 7;
inline constexpr int kReportTable = 8;
inline constexpr int kTaxRateTable = 9;
inline constexpr int kNonFiscalTable = 10;

inline constexpr int kNamedRows = 20;
inline constexpr int kTaxRateRows = 18;
// A name holds at most 15 characters, zero-terminated in 16 bytes.
inline constexpr std::size_t kNameSize = 16;
inline constexpr std::size_t kNameLength = kNameSize - 1;
inline constexpr std::size_t kRateLength = 4;

struct PaymentRow {
    char name[kNameSize];
    char linked; // 1 = "Vínculado"
};

struct PaymentRowFlags {
    char remove;    // the worker deletes the row
    char register_; // the worker registers the row
};

struct PaymentRequest {
    PaymentRow rows[kNamedRows];
    char changed[1]; // printer slot 0
    PaymentRowFlags flags[kNamedRows];
    char reading[880];
    char tail[2];
};

struct ReportRequest {
    char names[kNamedRows][kNameSize];
    char changed[1];
    char reading[420];
    char tail[2];
};

struct TaxRateRequest {
    char types[kTaxRateRows]; // 0 = ICMS, 1 = ISSQN
    char codes[kTaxRateRows][3];
    char rates[kTaxRateRows][kRateLength + 1];
    char changed[1];
    char reading[552];
    char tail[2];
};

struct NonFiscalRequest {
    char names[kNamedRows][kNameSize];
    char changed[1];
    char reading[680];
    char tail[2];
};

static_assert(sizeof(PaymentRow) == 17);
static_assert(sizeof(PaymentRequest) == 1263);
static_assert(offsetof(PaymentRequest, changed) == 340);
static_assert(offsetof(PaymentRequest, flags) == 341);
static_assert(offsetof(PaymentRequest, reading) == 381);
static_assert(offsetof(PaymentRequest, tail) == 1261);

static_assert(sizeof(ReportRequest) == 743);
static_assert(offsetof(ReportRequest, changed) == 320);
static_assert(offsetof(ReportRequest, reading) == 321);
static_assert(offsetof(ReportRequest, tail) == 741);

static_assert(sizeof(TaxRateRequest) == 717);
static_assert(offsetof(TaxRateRequest, codes) == 18);
static_assert(offsetof(TaxRateRequest, rates) == 72);
static_assert(offsetof(TaxRateRequest, changed) == 162);
static_assert(offsetof(TaxRateRequest, reading) == 163);
static_assert(offsetof(TaxRateRequest, tail) == 715);

static_assert(sizeof(NonFiscalRequest) == 1003);
static_assert(offsetof(NonFiscalRequest, changed) == 320);
static_assert(offsetof(NonFiscalRequest, reading) == 321);
static_assert(offsetof(NonFiscalRequest, tail) == 1001);

// The size of a table's request record, which is also its block of the command file.
constexpr std::size_t tableRequestSize(int table) {
    switch (table) {
    case kPaymentTable:
        return sizeof(PaymentRequest);
    case kReportTable:
        return sizeof(ReportRequest);
    case kTaxRateTable:
        return sizeof(TaxRateRequest);
    default:
        return sizeof(NonFiscalRequest);
    }
}

} // namespace morvelan::tables

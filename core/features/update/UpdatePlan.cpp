#include "core/features/update/UpdatePlan.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iterator>
#include <string_view>

namespace morvelan::update {
namespace {

struct PartSpan {
    std::size_t startIndex; // into the trailer
    std::size_t endIndex;
};

struct SectionLayout {
    std::vector<PartSpan> parts;
};

// Which trailer entries bound each part of a section; no parts for a section the procedure
// does not know.
SectionLayout layoutOf(Procedure procedure, int section) {
    SectionLayout layout;
    auto parts = [&](std::size_t first, std::size_t count, std::size_t distance) {
        for (std::size_t k = 0; k < count; ++k) {
            layout.parts.push_back({first + k, first + k + distance});
        }
    };
    if (procedure == Procedure::ThirdGeneration) {
        switch (section) {
        case 16:
            parts(12, 1, 48);
            break;
        case 17:
            parts(13, 1, 48);
            break;
        case 18:
            parts(14, 1, 48);
            break;
        case 19:
            parts(15, 3, 48);
            break;
        case 20:
            parts(18, 3, 48);
            break;
        case 21:
            parts(21, 3, 48);
            break;
        default:
            break;
        }
        return layout;
    }
    // Sections 0 to 11 have one part each, grouped by model and variant; 12 and 13 to 15 three.
    static constexpr std::array<std::size_t, 16> kFirst = {0, 1, 1, 1, 2, 3, 3, 3,
                                                           4, 5, 5, 5, 6, 9, 9, 9};
    if (section >= 0 && section < 16) {
        parts(kFirst[static_cast<std::size_t>(section)], section >= 12 ? 3 : 1, 48);
    }
    return layout;
}

// For the older generation's procedure: 0 when a part has no header lines, else which of its
// three header lines (1 to 3) is sent.
int headerSent(int section, std::size_t part) {
    if (section < 12) {
        return section % 4; // 0, 4, 8 none; 1, 5, 9 the first; ...
    }
    if (part == 1) {
        return 0;
    }
    switch (section) {
    case 12:
        return part == 2 ? 2 : 0;
    case 13:
        return part == 0 ? 1 : 2;
    case 14:
        return 2;
    default:
        return 3;
    }
}

std::uint32_t littleEndian(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

// A view, not a copy: every line of the file is measured before any is sent.
std::string_view stripLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

const char* procedureField(Procedure procedure) {
    return procedure == Procedure::ThirdGeneration ? "00.12 BRF" : "1.02 BRF";
}

class PlanBuilder {
public:
    PlanBuilder(std::string_view body, int section) : m_body(body), m_section(section) {}

    std::string error;

    // The line at the reading position, with its line end; false (and the error) past the body.
    bool readLine(std::string_view& line, std::size_t part) {
        if (m_pos >= m_body.size()) {
            fail(part, "o arquivo termina antes do fim da parte");
            return false;
        }
        const std::size_t newline = m_body.find('\n', m_pos);
        const std::size_t end = newline == std::string_view::npos ? m_body.size() : newline + 1;
        line = m_body.substr(m_pos, end - m_pos);
        m_pos = end;
        ++m_lineNumber;
        return true;
    }
    void seek(std::size_t pos) {
        m_pos = pos;
        m_lineNumber = static_cast<std::size_t>(
            std::count(m_body.begin(), m_body.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
    }
    // The number in the file, from 1, of the line read last.
    std::size_t lineNumber() const { return m_lineNumber; }

    void fail(std::size_t part, const std::string& what) {
        if (error.empty()) {
            error = "Seção " + std::to_string(m_section) + ", parte " + std::to_string(part + 1) +
                    ": " + what + ".";
        }
    }

private:
    std::string_view m_body;
    int m_section;
    std::size_t m_pos = 0;
    std::size_t m_lineNumber = 0;
};

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int hexValue(char c) {
    if (c <= '9') {
        return c - '0';
    }
    return (c | 0x20) - 'a' + 10;
}

std::string twoHexDigits(unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

// What the printer would find wrong with a header or data line (without its line end), or
// empty: the printer refuses such a line every time, so sending it would only leave its update
// half done.
std::string lineFormatProblem(std::string_view line) {
    if (line.size() > kMaxSentLineLength) {
        return "tem mais de " + std::to_string(kMaxSentLineLength) + " caracteres";
    }
    if (line.front() != ':') {
        return "não começa com \":\"";
    }
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (!isHexDigit(line[i])) {
            return "tem na coluna " + std::to_string(i + 1) +
                   " um caractere que não é dígito hexadecimal";
        }
    }
    const std::size_t digits = line.size() - 1;
    if (digits % 2 != 0) {
        return "tem um número ímpar de dígitos hexadecimais (" + std::to_string(digits) + ")";
    }
    if (digits < 4) {
        return "tem menos de dois bytes";
    }
    unsigned sum = 0;
    for (std::size_t i = 1; i < line.size(); i += 2) {
        sum += static_cast<unsigned>(hexValue(line[i]) * 16 + hexValue(line[i + 1]));
    }
    if (sum % 256 != 0) {
        return "tem a soma de verificação errada (a soma dos bytes dá " + twoHexDigits(sum % 256) +
               ", e não 00, módulo 256)";
    }
    return {};
}

std::string refusal(const std::string& fileName, const std::string& what) {
    constexpr std::string_view kOpening = "O arquivo de atualização \"";
    constexpr std::string_view kMiddle = "\" não pode ser usado:\n";
    constexpr std::string_view kClosing = "\n\nNada foi enviado à impressora.";
    // Put together in one buffer: a file is refused for most sections it lacks.
    std::string text;
    text.reserve(kOpening.size() + fileName.size() + kMiddle.size() + what.size() +
                 kClosing.size());
    return text.append(kOpening).append(fileName).append(kMiddle).append(what).append(kClosing);
}

// The longest line of the body, to refuse a file whose lines the printer could not take.
std::string longLineProblem(std::string_view body) {
    std::size_t pos = 0;
    std::size_t number = 1;
    while (pos < body.size()) {
        const std::size_t newline = body.find('\n', pos);
        const std::size_t end = newline == std::string_view::npos ? body.size() : newline;
        if (stripLineEnd(body.substr(pos, end - pos)).size() > kMaxLineLength) {
            return "a linha " + std::to_string(number) + " tem mais de " +
                   std::to_string(kMaxLineLength) + " caracteres.";
        }
        pos = end + 1;
        ++number;
    }
    return {};
}

struct PartBounds {
    std::size_t index;
    std::uint32_t start;
    std::uint32_t end;
};

// The commands of one part, read the way the transfer reads it, into `steps`; the problem with
// the part, or empty. The third-generation header line is read but, unless
// `countThirdHeader`, not counted towards the part's end.
std::string planPart(std::string_view body, Procedure procedure, int section,
                     const PartBounds& part, bool countThirdHeader, std::vector<Step>& steps) {
    const std::size_t k = part.index;
    const auto end = static_cast<std::int32_t>(part.end);
    std::int32_t reached = static_cast<std::int32_t>(part.start);
    PlanBuilder reader(body, section);
    reader.seek(part.start);
    std::string_view line;
    auto sendLine = [&](StepKind kind, std::string_view raw) {
        const std::string_view text = stripLineEnd(raw);
        if (text.empty()) {
            reader.fail(k, "linha vazia onde se espera uma linha para a impressora");
        } else if (const std::string problem = lineFormatProblem(text); !problem.empty()) {
            reader.fail(k, "a linha " + std::to_string(reader.lineNumber()) + " " + problem +
                               ", e a impressora a recusaria.\nO arquivo está danificado: "
                               "copie-o novamente do pacote de atualização original");
        }
        steps.push_back(
            {kind, std::string(kind == StepKind::Header ? "0563|0000|" : "0562|0000|").append(text),
             reached});
    };
    auto count = [&](std::string_view raw) {
        reached += static_cast<std::int32_t>(raw.size());
        if (reached > end) {
            reader.fail(k, "as linhas não terminam exatamente no fim da parte (" +
                               std::to_string(end) + ")");
        }
    };
    if (procedure == Procedure::ThirdGeneration) {
        if (!reader.readLine(line, k)) {
            return reader.error;
        }
        count(line);
        steps.push_back({StepKind::OpenPart, "0560|0000", reached});
        if (!reader.readLine(line, k)) {
            return reader.error;
        }
        if (countThirdHeader) {
            count(line);
        }
        if (k == 0 || k == 2) {
            sendLine(StepKind::Header, line);
        }
    } else {
        steps.push_back({StepKind::OpenPart, "0560|0000", reached});
        if (const int sent = headerSent(section, k); sent != 0) {
            for (int h = 1; h <= 3 && reader.error.empty(); ++h) {
                if (!reader.readLine(line, k)) {
                    return reader.error;
                }
                count(line);
                if (h == sent) {
                    sendLine(StepKind::Header, line);
                }
            }
        }
    }
    // Data lines until the running total meets the part's end exactly.
    while (reader.error.empty()) {
        if (!reader.readLine(line, k)) {
            break;
        }
        count(line);
        sendLine(StepKind::Data, line);
        if (reached == end) {
            break;
        }
    }
    return reader.error;
}

} // namespace

PlanOutcome planUpdate(Procedure procedure, int section, std::string_view bytes,
                       const std::string& fileName) {
    const SectionLayout layout = layoutOf(procedure, section);
    if (layout.parts.empty()) {
        return std::string(kInvalidModelText);
    }
    if (bytes.size() < kTrailerBytes) {
        return refusal(fileName, "o arquivo tem " + std::to_string(bytes.size()) +
                                     " bytes, menos que os " + std::to_string(kTrailerBytes) +
                                     " da tabela de seções no seu final.");
    }
    const std::string_view body = bytes.substr(0, bytes.size() - kTrailerBytes);
    // A section reads only its own few entries of the table.
    const auto table = [&bytes, &body](std::size_t entry) {
        return littleEndian(bytes, body.size() + 4 * entry);
    };

    bool sectionEmpty = true;
    for (const PartSpan& span : layout.parts) {
        sectionEmpty = sectionEmpty && table(span.startIndex) == 0 && table(span.endIndex) == 0;
    }
    if (sectionEmpty) {
        return refusal(fileName, "o arquivo não contém a seção " + std::to_string(section) +
                                     " que este equipamento precisa.");
    }
    for (std::size_t k = 0; k < layout.parts.size(); ++k) {
        const std::uint32_t start = table(layout.parts[k].startIndex);
        const std::uint32_t end = table(layout.parts[k].endIndex);
        // Named only in a refusal: most parts of most files are sound.
        const auto where = [section, k] {
            return "seção " + std::to_string(section) + ", parte " + std::to_string(k + 1) + ": ";
        };
        if (start >= body.size() || end > body.size()) {
            return refusal(fileName, where() +
                                         "a tabela de seções aponta para fora dos dados (início " +
                                         std::to_string(start) + ", fim " + std::to_string(end) +
                                         ", dados com " + std::to_string(body.size()) + " bytes).");
        }
        if (start >= end) {
            return refusal(fileName, where() + "o início (" + std::to_string(start) +
                                         ") não está antes do fim (" + std::to_string(end) + ").");
        }
    }
    if (const std::string problem = longLineProblem(body); !problem.empty()) {
        return refusal(fileName, problem);
    }

    UpdatePlan plan;
    plan.procedure = procedure;
    plan.section = section;
    plan.startOffset = static_cast<std::int32_t>(table(layout.parts.front().startIndex));
    plan.endOffset = static_cast<std::int32_t>(table(layout.parts.back().endIndex));
    const std::string code = std::string("|0000|") + procedureField(procedure);
    plan.steps.push_back({StepKind::Start, "056B" + code, plan.startOffset});

    for (std::size_t k = 0; k < layout.parts.size(); ++k) {
        const PartBounds bounds{k, table(layout.parts[k].startIndex),
                                table(layout.parts[k].endIndex)};
        std::vector<Step> steps;
        std::string error = planPart(body, procedure, section, bounds, false, steps);
        if (!error.empty() && procedure == Procedure::ThirdGeneration) {
            // A file whose part ends also count the header line is just as whole; take it
            // rather than refuse it, but only when that reading meets the end exactly.
            steps.clear();
            if (planPart(body, procedure, section, bounds, true, steps).empty()) {
                error.clear();
            }
        }
        if (!error.empty()) {
            return refusal(fileName, error);
        }
        plan.steps.insert(plan.steps.end(), std::make_move_iterator(steps.begin()),
                          std::make_move_iterator(steps.end()));
        const std::int32_t reached = plan.steps.back().offsetReached;
        if (k + 1 == layout.parts.size()) {
            plan.steps.push_back({StepKind::Closing, "056C" + code, reached});
        }
        plan.steps.push_back({StepKind::CloseStage, "056A|0000", reached});
        plan.steps.push_back({StepKind::Pause, {}, reached});
    }
    return plan;
}

PlanOutcome planUpdateFromDirectory(Procedure procedure, int section,
                                    const std::string& directory) {
    const std::string name = updateFileName(procedure);
    const std::filesystem::path path = std::filesystem::path(directory) / name;
    FileFault fault;
    const std::optional<std::string> bytes = readWholeFile(path.string(), kUpdateFileBound, &fault);
    if (bytes) {
        return planUpdate(procedure, section, *bytes, name);
    }
    switch (fault.refusal) {
    case FileRefusal::Missing:
        return "Arquivo de atualização \"" + name + "\" não encontrado na pasta\n" + directory +
               "\n\nNada foi enviado à impressora.";
    case FileRefusal::Directory:
        return "\"" + name + "\" na pasta\n" + directory +
               "\né uma pasta, não o arquivo de atualização.\n\nNada foi enviado à impressora.";
    case FileRefusal::TooLarge:
        return "O arquivo \"" + path.string() + "\" " + fault.text +
               ".\n\nNada foi enviado à impressora.";
    case FileRefusal::NotAFile:
    case FileRefusal::Unreadable:
        break;
    }
    return "Não foi possível ler o arquivo de atualização \"" + path.string() +
           "\": " + fault.text + ".\n\nNada foi enviado à impressora.";
}

} // namespace morvelan::update

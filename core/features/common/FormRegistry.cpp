#include "core/features/common/FormRegistry.h"

#include "core/base/CommandFile.h"

namespace morvelan {

namespace {
constexpr int kNoSequenceStep = 99;

bool hasFileBlock(int group, int item) {
    return group == 6 || group == 8 || (group == 10 && item == 3);
}
} // namespace

void FormRegistry::add(int group, int item, FormEntry entry) {
    m_entries.insert_or_assign({group, item}, std::move(entry));
}

const FormEntry* FormRegistry::find(int group, int item) const {
    const auto it = m_entries.find({group, item});
    return it == m_entries.end() ? nullptr : &it->second;
}

FormRecord initialRecord(const FormEntry& entry, int group, int item, CommandFileStore& file) {
    if (entry.initialData == InitialData::None)
        return {};
    FormRecord record(entry.recordSize, '\0');
    if (entry.initialData == InitialData::LastValues && hasFileBlock(group, item))
        file.readCommandFile(group, item, record);
    return record;
}

bool formRunsAlone(FormMode mode, int sequenceStep) {
    return mode == FormMode::Read || sequenceStep == kNoSequenceStep;
}

} // namespace morvelan

#include "core/present/ResponseLogic.h"

#include "core/base/ResultRecord.h"
#include "core/base/TextTrim.h"

namespace morvelan {

namespace {
constexpr std::string_view kBlockedPrefix = "Modo bloqueado";
constexpr int kNoSequenceStep = 99;
constexpr int kLastSealingStep = 6;
} // namespace

std::string responseTitle(std::string_view groupName, std::string_view itemName) {
    std::string title(groupName);
    title += " :: ";
    title += itemName;
    return title;
}

ResponseContent responseContent(std::string_view title, const PrinterTexts& texts) {
    ResponseContent content;
    content.title = trimmedLeft(title, kBlanksAndLineEnds);
    content.texts.resultLine = trimmedLeft(texts.resultLine, kBlanksAndLineEnds);
    content.texts.fieldError = trimmedLeft(texts.fieldError, kBlanksAndLineEnds);
    content.texts.portStatus = trimmedLeft(texts.portStatus, kBlanksAndLineEnds);
    content.texts.printerStatus = trimmedLeft(texts.printerStatus, kBlanksAndLineEnds);
    content.texts.fiscalStatus = trimmedLeft(texts.fiscalStatus, kBlanksAndLineEnds);
    content.lastRunFailed = content.texts.resultLine != kSuccessResultLine;
    content.printerBlocked = content.texts.fiscalStatus.starts_with(kBlockedPrefix);
    return content;
}

SequenceButtons sequenceButtons(int sequenceStep) {
    SequenceButtons buttons;
    if (sequenceStep == kNoSequenceStep)
        return buttons;
    // The last step's result ends the sequence: there is no step left to move to.
    if (sequenceStep == kLastSealingStep) {
        buttons.nextEnabled = false;
        buttons.sequenceFinished = true;
        return buttons;
    }
    buttons.visible = true;
    if (sequenceStep == 0)
        buttons.previousEnabled = false;
    return buttons;
}

std::string printerTabLabel(std::string_view portName, std::string_view modelName) {
    std::string label(portName);
    label += " :: ";
    label += modelName;
    return label;
}

} // namespace morvelan

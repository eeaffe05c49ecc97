#include "core/present/ResponseLogic.h"

#include "core/base/ResultRecord.h"

namespace morvelan {

namespace {
constexpr std::string_view kBlockedPrefix = "Modo bloqueado";
constexpr int kNoSequenceStep = 99;
constexpr int kLastSealingStep = 6;

std::string trimmed(const std::string& text) {
    return std::string(trimLeadingBlanks(text));
}
} // namespace

std::string_view trimLeadingBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string responseTitle(std::string_view groupName, std::string_view itemName) {
    std::string title(groupName);
    title += " :: ";
    title += itemName;
    return title;
}

ResponseContent responseContent(std::string_view title, const PrinterTexts& texts) {
    ResponseContent content;
    content.title = trimLeadingBlanks(title);
    content.texts.resultLine = trimmed(texts.resultLine);
    content.texts.fieldError = trimmed(texts.fieldError);
    content.texts.portStatus = trimmed(texts.portStatus);
    content.texts.printerStatus = trimmed(texts.printerStatus);
    content.texts.fiscalStatus = trimmed(texts.fiscalStatus);
    content.lastRunFailed = content.texts.resultLine != kSuccessResultLine;
    content.printerBlocked = content.texts.fiscalStatus.starts_with(kBlockedPrefix);
    return content;
}

SequenceButtons sequenceButtons(int sequenceStep) {
    SequenceButtons buttons;
    if (sequenceStep == kNoSequenceStep)
        return buttons;
    buttons.visible = true;
    if (sequenceStep == kLastSealingStep) {
        buttons.nextEnabled = false;
        buttons.sequenceFinished = true;
    }
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

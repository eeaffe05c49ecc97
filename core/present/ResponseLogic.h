// What the response panel shows for one printer, decided without any widget: which texts, which
// colours and which sequence buttons. The panel only copies these decisions into its controls.
#pragma once

#include <string>
#include <string_view>

namespace morvelan {

// The five decoded texts of one printer's result record, already in UTF-8.
struct PrinterTexts {
    std::string resultLine;
    std::string fieldError;
    std::string portStatus;
    std::string printerStatus;
    std::string fiscalStatus;
};

struct ResponseContent {
    std::string title;
    PrinterTexts texts;
    bool lastRunFailed = false;  // the result line is not the success line: shown red, else blue
    bool printerBlocked = false; // the fiscal status says the printer is blocked: shown red
};

struct SequenceButtons {
    bool visible = false;          // all four buttons
    bool nextEnabled = true;       // "&Próximo Passo"
    bool previousEnabled = true;   // "Passo &Anterior"
    bool sequenceFinished = false; // the last step has run: tell the technician, free the tree
};

// "Group :: Item", the command title of the panel.
std::string responseTitle(std::string_view groupName, std::string_view itemName);

// The panel's content for one printer; leading blanks are removed from every text.
ResponseContent responseContent(std::string_view title, const PrinterTexts& texts);

// The buttons for `sequenceStep`: hidden at 99 (no sequence) and once the last step has run,
// "Passo &Anterior" off at the first step.
SequenceButtons sequenceButtons(int sequenceStep);

// Tab label of a present printer.
std::string printerTabLabel(std::string_view portName, std::string_view modelName);

} // namespace morvelan

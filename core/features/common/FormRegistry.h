// Which form serves which function code, in which mode, and with which data. Every form module
// registers its codes here; switchForm creates what it finds and the empty form otherwise, so a
// module joins the program without the frame knowing its classes.
//
// How a form module joins:
//   1. define `void register<Module>Forms(morvelan::FormRegistry&)` that calls add() for each code
//      it serves (a form serving a "Configuração" item and a "Leitura de informações" item
//      registers both codes, Send and Read);
//   2. in its CMakeLists.txt (GUI build only):
//        set_property(GLOBAL APPEND PROPERTY MORVELAN_FORM_MODULES
//        "<target>:register<Module>Forms")
//      app/ links <target> and calls the function at start-up.
#pragma once

#include "core/features/common/FormRecord.h"
#include "core/features/common/FormServices.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <utility>

class QWidget;

namespace morvelan {

class CommandFileStore;

enum class FormMode {
    Plain,   // the form has a single way of working
    Send,    // edits values and sends them ("Configuração")
    Read,    // starts empty, can only read, hides its send controls ("Leitura de informações")
    NewFile, // the command file form creating a file
    SaveAs,  // the command file form saving the working file under a new name
};

enum class InitialData {
    None,       // the form gets no record
    Empty,      // a zero-filled record of the entry's size
    LastValues, // the same, then the code's block of the working command file copied in
};

// What a form is created with. `record` is the form's to keep.
struct FormContext {
    FormServices& services;
    int group = 0;
    int item = 0;
    FormMode mode = FormMode::Plain;
    FormRecord record;
    // False only for a form shown as a step of the sealing sequence.
    bool runsAlone = true;
};

// Creates the form, without a parent: the frame places it in the right pane.
using FormFactory = std::function<QWidget*(FormContext& context)>;

struct FormEntry {
    std::string formClass; // "CRightView_01_07"; also the form's object name
    FormMode mode = FormMode::Plain;
    InitialData initialData = InitialData::None;
    std::size_t recordSize = 0;
    FormFactory create;
};

class FormRegistry {
public:
    // Registers (or replaces) the form of code (group, item).
    void add(int group, int item, FormEntry entry);
    // The entry of (group, item); null when no module serves the code.
    const FormEntry* find(int group, int item) const;
    std::size_t size() const { return m_entries.size(); }

private:
    std::map<std::pair<int, int>, FormEntry> m_entries;
};

// The record a form of `entry` starts with for code (group, item): `recordSize` zero bytes, and
// for LastValues the code's block read from the working command file. Of the file codes only
// "save as" reads anything: reading 10.1 or 10.2 would replace the working file.
FormRecord initialRecord(const FormEntry& entry, int group, int item, CommandFileStore& file);

// Whether a form of this mode, created while `sequenceStep` holds, runs outside the sequence.
bool formRunsAlone(FormMode mode, int sequenceStep);

} // namespace morvelan

// Where each kind of wait dialog resumes its bar. The window that shows the waits keeps one for
// its whole life, so a bar picks up where the previous wait of its kind left it; another
// window's waits do not move it.
#pragma once

namespace morvelan {

struct WaitBarPositions {
    int operation = 0; // CProgressDlg
    int detection = 0; // CProgressSerialDlg
};

} // namespace morvelan

// The Host seam: everything the program says to the person or asks of them goes through it, so
// every command flow runs, and is tested, without a window. The window, the console and the tests
// each provide one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "seams/canvas.h"
#include "seams/message.h"

namespace ringlace {

struct FileRequest {
    std::string title;
    std::string filter;      // "*.rlc;*.txt"
    std::string filterName;  // "Ringlace Files"
    std::string prompt;
    std::string mode;    // "OPEN", "SAVE" or "LOAD"
    std::string folder;  // where the dialog starts; "" for the platform's choice
};

// One clipboard entry: text, and a picture of the same thing for programs that take pictures.
struct ClipboardEntry {
    std::string text;
    std::optional<Drawing> picture;
};

class Host {
public:
    virtual ~Host() = default;
    // Shows a message in the program's message box and returns the answer of the button pressed.
    virtual Answer Ask(const Message& message) = 0;
    // A file name from the person; "" when they cancelled.
    virtual std::string GetFileName(const FileRequest& request) = 0;
    // The status line.
    virtual void Status(const std::string& text) = 0;
    // The status line's progress bar, 0 to 100.
    virtual void Progress(int percent) = 0;
    // Lets the window repaint and take a press of the cancel button during long work.
    virtual void Yield() = 0;
    // The clipboard's text; "" when it holds none. A host without a clipboard has none.
    virtual std::string ClipboardText() { return ""; }
    // Replaces the clipboard's content; a host without a clipboard ignores it.
    virtual void SetClipboard(const ClipboardEntry& /*entry*/) {}
    // Prints the pages, one a sheet, on the printer the person picks (or a PDF file); each page
    // is drawn smaller when it would not fit the paper. False when they cancelled or there is
    // no printer; a host without one has none.
    virtual bool Print(const std::vector<Drawing>& /*pages*/) { return false; }
    // The busy mouse pointer during long work; a host without a pointer ignores it.
    virtual void BusyPointer(bool /*busy*/) {}
    // A command that goes on working has set up a new grid and new labels: the window lays out
    // and draws the board and shows the labels anew. A host without a board ignores it.
    virtual void ShowNewBoard() {}
};

}  // namespace ringlace

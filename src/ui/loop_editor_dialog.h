// The loop editor: a loop drawn by hand along the cell sides (clicks and drags, mirror), from
// which "Create a puzzle using specified link" makes a puzzle.
#pragma once

#include <optional>

#include "ui/grid_editor_dialog.h"

namespace ringlace {

class LoopEditorDialog : public GridEditorDialog {
    Q_OBJECT
public:
    LoopEditorDialog(Host& host, const Grid& start, QWidget* parent = nullptr);

    // Shows the editor; the grid with the drawn loop, or nothing when it was closed otherwise.
    std::optional<Grid> Ask();

private:
    void Apply();
};

}  // namespace ringlace

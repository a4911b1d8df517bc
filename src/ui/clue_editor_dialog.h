// "Edit Number Values": clues typed by hand (mouse, keys, mirror), shown over the bars of the
// current puzzle's solution if asked; saved to a puzzle file, or applied as the current puzzle.
#pragma once

#include <functional>

#include "model/clue_grid.h"
#include "ui/grid_editor_dialog.h"

namespace ringlace {

class ClueEditorDialog : public GridEditorDialog {
    Q_OBJECT
public:
    // save: the Save button's command, with the clues as typed.
    ClueEditorDialog(Host& host, const Grid& start, std::function<void(const ClueGrid&)> save,
                     QWidget* parent = nullptr);

    // Shows the editor; the clues to apply, or nothing when it was closed otherwise.
    std::optional<ClueGrid> Ask();

private:
    void Apply();
};

}  // namespace ringlace

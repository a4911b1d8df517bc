// The pictures of the main window's buttons, drawn rather than stored so they are sharp at any
// size and screen density.
#pragma once

#include <QIcon>

namespace ringlace {

enum class ButtonPicture {
    Undo,
    EraseBars,
    Verify,
    Autosolve,
    Cancel,
    ZoomOut,
    ZoomIn,
    ZoomReset,
    ViewBars,
    ViewLoop,
    NewPuzzle,
    Load,
    Save,
    Help,
    Previous,
    Next,
    Random,
    Browse,
    Import,
    Print,
    NewWithOptions,
    EditNumbers,
    EditPattern,
    EditLoop,
    Hint,
};

QIcon ButtonIcon(ButtonPicture picture);

}  // namespace ringlace

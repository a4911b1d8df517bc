// "Printing Options", opened from the options dialog: how printed puzzles look, kept for every
// later print.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "exchange/puzzle_picture.h"

namespace ringlace {

class PaperStyleFields;

class PrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    PrintOptionsDialog(const PaperStyle& style, QWidget* parent);
    ~PrintOptionsDialog() override;

    // Shows the dialog; the options chosen, or nothing when it was cancelled.
    std::optional<PaperStyle> Ask();

private:
    std::unique_ptr<PaperStyleFields> fields_;
};

}  // namespace ringlace

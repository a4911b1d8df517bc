// The "Multiple Puzzles" dialog: a puzzle file, the first and last puzzle to print, and the
// printing options. OK checks the range and stays open, with the reason, while it is wrong.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "commands/print_commands.h"

class QLineEdit;
class QSpinBox;

namespace ringlace {

class Host;
class PaperStyleFields;

class PrintRangeDialog : public QDialog {
    Q_OBJECT
public:
    PrintRangeDialog(Host& host, const PrintRange& proposed, QWidget* parent = nullptr);
    ~PrintRangeDialog() override;

    // Shows the dialog; the range to print, or nothing when it was cancelled.
    std::optional<PrintRange> Ask();

public slots:
    void accept() override;

private:
    PrintRange Range() const;
    void Browse();

    Host& host_;
    QLineEdit* file_;
    QSpinBox* first_;
    QSpinBox* last_;
    std::unique_ptr<PaperStyleFields> style_;
};

}  // namespace ringlace

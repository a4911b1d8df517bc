// "Create New Puzzles": how many puzzles, their size and level, the output file, and a pattern of
// clue cells drawn on a grid or read from a pattern file ("Pat#" steps through its patterns).
// OK checks the request and stays open, with the reason, while it is wrong.
#pragma once

#include <QDialog>
#include <optional>

#include "commands/create_batch_command.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace ringlace {

class Host;
class PatternPanel;

class BatchDialog : public QDialog {
    Q_OBJECT
public:
    BatchDialog(Host& host, const std::string& file, QWidget* parent = nullptr);

    // Shows the dialog; the request, or nothing when it was cancelled.
    std::optional<BatchRequest> Ask();

public slots:
    void accept() override;

private:
    QWidget* BuildPatternFrame();
    BatchRequest Request() const;
    void BrowseOutput();
    void ResizePattern();
    void RedrawPattern();
    void ShowLoadedPattern();

    Host& host_;
    QSpinBox* count_;
    QComboBox* rows_;
    QComboBox* cols_;
    QComboBox* level_;
    QLineEdit* file_;
    PatternPanel* pattern_;
    QCheckBox* usePattern_;
    bool patternChanged_ = false;
};

}  // namespace ringlace

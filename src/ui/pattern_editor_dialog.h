// "Edit Numbers Locations": the cells that shall carry a clue, marked by hand (with the mirror
// option) or read from a pattern file; patterns saved to and deleted from files; the pattern
// applied so that the next Autosolve creates a puzzle on it.
#pragma once

#include <QDialog>
#include <optional>

#include "commands/app.h"

class QComboBox;

namespace ringlace {

class PatternPanel;

class PatternEditorDialog : public QDialog {
    Q_OBJECT
public:
    PatternEditorDialog(App& app, QWidget* parent = nullptr);

    // Shows the editor; the pattern to apply, or nothing when it was closed otherwise.
    std::optional<Pattern> Ask();

public slots:
    // Closing after changes asks first.
    void reject() override;

private:
    void Redraw(int rows, int cols);
    void Delete();
    void Apply();

    App& app_;
    PatternPanel* panel_;
    QComboBox* rows_;
    QComboBox* cols_;
    bool changed_ = false;
};

}  // namespace ringlace

// What the number values editor and the loop editor share: the grid, its size lists with "Redraw
// grid with new size", clearing, the mirror option, and the question before changes are dropped.
#pragma once

#include <QDialog>

#include "model/grid.h"
#include "ui/editor_grid.h"

class QCheckBox;
class QComboBox;
class QVBoxLayout;

namespace ringlace {

class Host;

class GridEditorDialog : public QDialog {
    Q_OBJECT
public:
    // The questions each editor asks, word for word.
    struct Questions {
        const char* redraw;
        const char* clear;
        const char* exitFirstLine;
    };

    const Grid& grid() const { return editor_->grid(); }

public slots:
    // Closing after changes asks first.
    void reject() override;

protected:
    GridEditorDialog(Host& host, EditorGrid::Mode mode, const Grid& start, Questions questions,
                     QWidget* parent);
    // Closes with the edited grid as the result, without the question.
    void AcceptEdits() { QDialog::accept(); }

    Host& host_;
    EditorGrid* editor_;
    // Where each editor puts its own controls and buttons.
    QVBoxLayout* controls_;

private:
    void Redraw();
    void Clear();
    void ShowFresh(int rows, int cols);

    Questions questions_;
    QComboBox* rows_;
    QComboBox* cols_;
    QCheckBox* mirror_;
    bool changed_ = false;
};

}  // namespace ringlace

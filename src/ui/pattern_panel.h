// A pattern grid with its open share, and the pattern file it may come from: "Load pattern file",
// the arrows that step through the file's patterns, and "Pat# n of N". Shared by the batch dialog
// and the number locations editor, which add their own buttons to its tool row.
#pragma once

#include <QWidget>
#include <string>

#include "create/pattern_file.h"

class QHBoxLayout;
class QLabel;

namespace ringlace {

class Host;
class PatternGrid;

class PatternPanel : public QWidget {
    Q_OBJECT
public:
    PatternPanel(Host& host, QWidget* parent);

    const Pattern& pattern() const;
    // Shows a pattern, its size too, without telling of an edit.
    void SetPattern(const Pattern& pattern);
    void SetMirror(bool on);
    // The file the shown pattern came from ("" for none), and its line.
    const std::string& file() const { return file_; }
    int number() const { return number_; }
    // Reads the file again (after a delete) and shows the pattern at the same place, or the last.
    void Reread();
    // The row under the grid where the dialogs add their buttons.
    QHBoxLayout* tools() const { return tools_; }

signals:
    // A click changed a cell.
    void edited();
    // A pattern was read from the file.
    void loaded();

private:
    void LoadFile();
    void Step(int step);
    void ShowOpenShare();

    Host& host_;
    PatternGrid* grid_;
    QLabel* open_;
    QLabel* place_;
    QHBoxLayout* tools_;
    std::string file_;
    int number_ = 0;
    int count_ = 0;
};

}  // namespace ringlace

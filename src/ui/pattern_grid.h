// The grid of a pattern: one square a cell, dark where a clue goes; a click on a cell turns it
// from open to clue or back.
#pragma once

#include <QWidget>

#include "create/pattern_file.h"

namespace ringlace {

class PatternGrid : public QWidget {
    Q_OBJECT
public:
    explicit PatternGrid(QWidget* parent = nullptr);

    const Pattern& pattern() const { return pattern_; }
    // Shows a pattern (its size too) without telling of a change.
    void SetPattern(const Pattern& pattern);
    // A click changes the mirror cell too.
    void SetMirror(bool on) { mirror_ = on; }
    // "Open = 45%", or "Open = all" without a clue cell.
    QString OpenText() const;

    QSize sizeHint() const override;

signals:
    // A click changed a cell.
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int CellSide() const;
    Pattern pattern_;
    bool mirror_ = false;
};

}  // namespace ringlace

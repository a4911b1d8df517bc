// The about box: the program's name, version and notice. Its button, a click on its text or the
// Escape key closes it.
#pragma once

#include <QDialog>

namespace ringlace {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ringlace

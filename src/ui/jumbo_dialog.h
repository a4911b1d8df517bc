// "Create Jumbo Puzzle": the size (26 to 50 in the lists; 17 to 50 typed) and the spreadsheet
// file the puzzle is written to. OK checks the size and stays open, with the reason, while it is
// wrong.
#pragma once

#include <QDialog>
#include <optional>

#include "commands/create_jumbo_command.h"

class QComboBox;
class QLineEdit;

namespace ringlace {

class Host;

class JumboDialog : public QDialog {
    Q_OBJECT
public:
    JumboDialog(Host& host, const std::string& file, QWidget* parent = nullptr);

    // Shows the dialog; the request, or nothing when it was cancelled.
    std::optional<JumboRequest> Ask();

public slots:
    void accept() override;

private:
    JumboRequest Request() const;
    void Browse();

    Host& host_;
    QComboBox* rows_;
    QComboBox* cols_;
    QLineEdit* file_;
};

}  // namespace ringlace

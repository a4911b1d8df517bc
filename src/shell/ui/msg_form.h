// The program's one message box: a text, the pictures and buttons that the style string names,
// modal, closed only through one of its buttons.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <string>
#include <vector>

#include "shell/msg_style.h"

class QHBoxLayout;

namespace ringlace {

class MsgForm : public QDialog {
    Q_OBJECT
public:
    explicit MsgForm(QWidget* parent = nullptr);

    // Shows the box modally and returns the value of the button that closed it.
    int MsgboxA(const std::string& text, const std::string& style, const QColor& background);

    QLabel* Label1() const { return label1_; }
    const std::array<QLabel*, kMsgPictureCount>& Icons() const { return icons_; }
    const std::vector<QPushButton*>& Buttons() const { return cmd_; }

public slots:
    // Escape and the window frame never close the box: only a button does.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void MakeButtons(const std::vector<MsgButton>& buttons);
    void CentreOverOwner();

    QLabel* label1_;
    std::array<QLabel*, kMsgPictureCount> icons_{};
    std::vector<QPushButton*> cmd_;
    QHBoxLayout* buttonRow_;
    int result_ = 0;
};

}  // namespace ringlace

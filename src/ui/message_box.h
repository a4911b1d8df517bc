// The program's one message box: a text, the picture and the buttons of the message, modal,
// closed only through one of its buttons.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "seams/message.h"

class QHBoxLayout;

namespace ringlace {

class MessageBox : public QDialog {
    Q_OBJECT
public:
    explicit MessageBox(QWidget* parent = nullptr);

    // Shows the box modally and returns the answer of the button that closed it.
    Answer Ask(const Message& message, const QColor& background);

    QLabel* Text() const { return text_; }
    QLabel* Picture() const { return picture_; }
    const std::vector<QPushButton*>& Buttons() const { return buttons_; }

public slots:
    // Escape and the window frame never close the box: only a button does.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void MakeButtons(ringlace::Buttons buttons);
    void CentreOverOwner();

    QLabel* text_;
    QLabel* picture_;
    std::vector<QPushButton*> buttons_;
    QHBoxLayout* buttonRow_;
    Answer answer_ = Answer::Ok;
};

}  // namespace ringlace

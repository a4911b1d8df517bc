#include "ui/message_box.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "commands/app.h"
#include "ui/message_pictures.h"

namespace ringlace {

namespace {

constexpr int kPictureSide = 48;

QString MessageText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace("\r\n", "\n");
    shown.replace('\r', '\n');
    return shown;
}

}  // namespace

MessageBox::MessageBox(QWidget* parent) : QDialog(parent) {
    setObjectName("messageBox");
    setWindowTitle(kProgramTitle);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    picture_ = new QLabel(this);
    picture_->setObjectName("picture");
    picture_->setFixedSize(kPictureSide, kPictureSide);
    picture_->hide();
    top->addWidget(picture_, 0, Qt::AlignTop);

    text_ = new QLabel(this);
    text_->setObjectName("text");
    text_->setTextFormat(Qt::PlainText);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setFont(QFont("Arial", 10));
    text_->setMinimumWidth(220);
    text_->setMaximumWidth(640);
    text_->setWordWrap(false);
    top->addWidget(text_, 1, Qt::AlignVCenter);

    buttonRow_ = new QHBoxLayout;
    buttonRow_->setSpacing(10);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(buttonRow_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MessageBox::closeEvent(QCloseEvent* event) {
    event->ignore();
}

// Over the main window when it is shown, else (during start-up) in the middle of the screen.
void MessageBox::CentreOverOwner() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect area;
    if (owner && owner->isVisible())
        area = owner->frameGeometry();
    else if (const QScreen* shown = screen())
        area = shown->availableGeometry();
    if (area.isValid()) move(area.center() - rect().center());
}

void MessageBox::MakeButtons(ringlace::Buttons buttons) {
    // Deleted later, since the button that ended the last Ask may still be in its click; hidden
    // now, since a command that asks again from inside the event loop keeps them alive until it
    // returns, and a stale "Yes" under the new buttons would still answer.
    for (QPushButton* button : buttons_) {
        button->hide();
        button->deleteLater();
    }
    buttons_.clear();
    while (buttonRow_->count() > 0) delete buttonRow_->takeAt(0);
    buttonRow_->addStretch();
    int width = 88;
    for (const ButtonChoice& choice : ButtonChoices(buttons)) {
        auto* button = new QPushButton(choice.caption, this);
        button->setObjectName(QString("button%1").arg(buttons_.size()));
        button->setAutoDefault(true);
        const Answer answer = choice.answer;
        connect(button, &QPushButton::clicked, this, [this, answer] {
            answer_ = answer;
            accept();
        });
        width = std::max(width, button->sizeHint().width());
        buttonRow_->addWidget(button);
        buttons_.push_back(button);
    }
    for (QPushButton* button : buttons_) button->setFixedWidth(width);
    buttonRow_->addStretch();
}

Answer MessageBox::Ask(const Message& message, const QColor& background) {
    if (background.isValid()) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Button, background);
        setPalette(palette);
        setAutoFillBackground(true);
    }
    text_->setText(MessageText(message.text));
    picture_->setPixmap(MessagePicture(message.icon, kPictureSide, devicePixelRatioF()));
    picture_->setVisible(message.icon != Icon::None);
    MakeButtons(message.buttons);
    answer_ = ButtonChoices(message.buttons).front().answer;
    adjustSize();
    CentreOverOwner();
    buttons_.front()->setFocus();
    exec();
    return answer_;
}

}  // namespace ringlace

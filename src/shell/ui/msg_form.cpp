#include "shell/ui/msg_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "shell/app.h"
#include "shell/ui/msg_pictures.h"

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

MsgForm::MsgForm(QWidget* parent) : QDialog(parent) {
    setObjectName("MsgForm");
    setWindowTitle(kProgramTitle);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    auto* pictures = new QVBoxLayout;
    for (int k = 0; k < kMsgPictureCount; ++k) {
        auto* icon = new QLabel(this);
        icon->setObjectName(QString("icons%1").arg(k));
        icon->setPixmap(MsgPicture(k, kPictureSide, devicePixelRatioF()));
        icon->setFixedSize(kPictureSide, kPictureSide);
        icon->hide();
        pictures->addWidget(icon);
        icons_[static_cast<std::size_t>(k)] = icon;
    }
    pictures->addStretch();
    top->addLayout(pictures);

    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label1_->setFont(QFont("Arial", 10));
    label1_->setMinimumWidth(220);
    label1_->setMaximumWidth(640);
    label1_->setWordWrap(false);
    top->addWidget(label1_, 1, Qt::AlignVCenter);

    buttonRow_ = new QHBoxLayout;
    buttonRow_->setSpacing(10);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(buttonRow_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MsgForm::closeEvent(QCloseEvent* event) { event->ignore(); }

// Over the main window when it is shown, else (during start-up) in the middle of the screen.
void MsgForm::CentreOverOwner() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect area;
    if (owner && owner->isVisible()) area = owner->frameGeometry();
    else if (const QScreen* shown = screen()) area = shown->availableGeometry();
    if (area.isValid()) move(area.center() - rect().center());
}

void MsgForm::MakeButtons(const std::vector<MsgButton>& buttons) {
    for (QPushButton* button : cmd_) button->deleteLater();
    cmd_.clear();
    while (buttonRow_->count() > 0) delete buttonRow_->takeAt(0);
    buttonRow_->addStretch();
    int width = 88;
    for (const MsgButton& definition : buttons) {
        auto* button = new QPushButton(QString::fromStdString(definition.caption), this);
        button->setObjectName(QString("cmd%1").arg(cmd_.size()));
        button->setAutoDefault(true);
        button->setProperty("value", definition.value);
        const int value = definition.value;
        connect(button, &QPushButton::clicked, this, [this, value] {
            result_ = value;
            done(value);
        });
        width = std::max(width, button->sizeHint().width());
        buttonRow_->addWidget(button);
        cmd_.push_back(button);
    }
    for (QPushButton* button : cmd_) button->setFixedWidth(width);
    buttonRow_->addStretch();
}

int MsgForm::MsgboxA(const std::string& text, const std::string& style, const QColor& background) {
    if (background.isValid()) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Button, background);
        setPalette(palette);
        setAutoFillBackground(true);
    }
    label1_->setText(MessageText(text));
    const MsgStyle parsed = ParseMsgStyle(style);
    for (int k = 0; k < kMsgPictureCount; ++k)
        icons_[static_cast<std::size_t>(k)]->setVisible(parsed.pictures[static_cast<std::size_t>(k)]);
    MakeButtons(parsed.buttons);
    result_ = 0;
    adjustSize();
    CentreOverOwner();
    cmd_.front()->setFocus();
    exec();
    return result_;
}

}  // namespace ringlace

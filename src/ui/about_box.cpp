#include "ui/about_box.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/app.h"

namespace ringlace {

namespace {

QLabel* Line(QWidget* parent, const QString& text, const char* name, int pointSize = 0) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    if (pointSize > 0) {
        QFont font = label->font();
        font.setPointSize(pointSize);
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("aboutBox");
    setWindowTitle(QString("About ") + kProgramTitle);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 18);
    layout->setSpacing(8);
    QLabel* lines[] = {Line(this, "Ringlace", "aboutName", 18),
                       Line(this, QString("Version ") + kProgramVersion, "aboutVersion"),
                       Line(this, "Built " __DATE__, "aboutDate"),
                       Line(this,
                            "A loop puzzle: draw one closed loop through the dots so that\n"
                            "every number counts the sides of its cell that the loop uses.",
                            "aboutNotice")};
    for (QLabel* line : lines) {
        line->installEventFilter(this);
        layout->addWidget(line);
    }
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("aboutOk");
    ok->setDefault(true);
    ok->setMinimumWidth(88);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addSpacing(6);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(sizeHint());
}

// A press of the mouse on the text closes the box as the button does.
bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ringlace

#include "play/ui/form2.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "play/ui/colour_picker.h"
#include "play/ui/options_preview.h"
#include "shell/app.h"
#include "shell/ui/box_control.h"

namespace ringlace {

namespace {

std::int32_t FromQColor(const QColor& colour) {
    return Rgb(colour.red(), colour.green(), colour.blue());
}

// The built-in scheme: the platform's own colours for windows, buttons and text.
SchemeColours StandardColours() {
    const QPalette palette = QApplication::palette();
    SchemeColours colours{};
    colours[1] = FromQColor(palette.color(QPalette::Window));
    colours[2] = FromQColor(palette.color(QPalette::Base));
    colours[3] = FromQColor(palette.color(QPalette::Light));
    colours[4] = FromQColor(palette.color(QPalette::Button));
    colours[5] = FromQColor(palette.color(QPalette::Mid));
    colours[6] = FromQColor(palette.color(QPalette::WindowText));
    colours[7] = colours[1];
    colours[8] = FromQColor(palette.color(QPalette::Text));
    colours[9] = colours[1];
    colours[10] = FromQColor(palette.color(QPalette::Highlight));
    colours[11] = FromQColor(palette.color(QPalette::Midlight));
    colours[12] = FromQColor(palette.color(QPalette::Highlight));
    colours[13] = colours[4];
    return colours;
}

QGroupBox* Frame(const char* title, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    return frame;
}

// Radio buttons in a frame; each button's id is the setting's code.
QGroupBox* OptionFrame(const char* title, const char* name,
                       std::initializer_list<std::pair<const char*, int>> options,
                       QButtonGroup*& group, QWidget* parent) {
    QGroupBox* frame = Frame(title, parent);
    group = new QButtonGroup(frame);
    auto* layout = new QHBoxLayout(frame);
    for (const auto& [caption, code] : options) {
        auto* button = new QRadioButton(caption, frame);
        button->setObjectName(QString("%1_%2").arg(name).arg(code));
        group->addButton(button, code);
        layout->addWidget(button);
    }
    layout->addStretch();
    return frame;
}

}  // namespace

Form2::Form2(App& app, QWidget* parent)
    : QDialog(parent), app_(app), choice_(OptionsFrom(app.settings)) {
    setObjectName("Form2");
    setWindowTitle("Ringlace Options");

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildSchemeFrame());
    left->addWidget(BuildColoursFrame());
    left->addStretch();
    columns->addLayout(left);
    auto* middle = new QVBoxLayout;
    middle->addWidget(BuildFontsFrame(), 1);
    columns->addLayout(middle);
    columns->addWidget(BuildChoicesColumn());

    auto* command1 = new QPushButton("OK", this);
    command1->setObjectName("command1");
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);
    auto* reset = new QPushButton("Apply default options and exit", this);
    reset->setObjectName("reset");
    connect(reset, &QPushButton::clicked, this, [this] {
        choice_ = DefaultOptions(choice_);
        accept();
    });
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    const std::string current = app_.settings.SchemeName;
    const QString listed = QString::fromStdString(current.substr(0, current.find(".col")));
    PickScheme(combo1_->findText(listed) >= 0 ? listed : QString());
    ShowChoice();
}

QWidget* Form2::BuildSchemeFrame() {
    QGroupBox* frame = Frame("Colour Scheme", this);
    combo1_ = new QComboBox(frame);
    combo1_->setObjectName("Combo1");
    for (const std::string& name : app_.schemeList) combo1_->addItem(QString::fromStdString(name));
    connect(combo1_, &QComboBox::textActivated, this, &Form2::PickScheme);
    auto* adjust = new BoxControl("cmdadjust4",
                                  "Button colour: leftclick = darker, rightclick = lighter", frame);
    adjust->setText("Adjust");
    adjust->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(adjust, &BoxControl::clickedWith, this, [this](Qt::MouseButton button) {
        choice_.colour13 = AdjustColour(ShownColours()[4], button == Qt::RightButton);
        ShowPreview();
    });
    schemePreview_ = new SchemePreview(frame);
    auto* row = new QHBoxLayout;
    row->addWidget(combo1_, 1);
    row->addWidget(adjust);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(row);
    layout->addWidget(schemePreview_);
    return frame;
}

QWidget* Form2::BuildColoursFrame() {
    QGroupBox* frame = Frame("Colours", this);
    colPik1_ = new ColourPicker(frame);
    boardPreview_ = new BoardPreview(frame);
    const auto colourButton = [this, frame](const char* name, const char* caption,
                                            const char* toolTip,
                                            std::int32_t OptionsChoice::*member) {
        auto* button = new BoxControl(name, toolTip, frame);
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &BoxControl::clickedWith, this, [this, member](Qt::MouseButton mouse) {
            if (member == &OptionsChoice::barColour && mouse == Qt::RightButton)
                choice_.barThickness = NextBarThickness(choice_.barThickness);
            else
                choice_.*member = colPik1_->Colour();
            ShowPreview();
        });
        return button;
    };
    auto* buttons = new QGridLayout;
    buttons->addWidget(
        colourButton("cmdfontcol", "Numbers", "leftclick to set number colour, select colour first",
                     &OptionsChoice::numberColour),
        0, 0);
    buttons->addWidget(
        colourButton(
            "cmdbarcol", "Bars",
            "Leftclick to set bars colour, select colour first; rightclick to set bar thickness",
            &OptionsChoice::barColour),
        0, 1);
    buttons->addWidget(colourButton("cmdgridcol", "Grid", "Set grid colour, select colour first",
                                    &OptionsChoice::gridColour),
                       1, 0);
    buttons->addWidget(
        colourButton("cmdmarkcol", "Markers", "Set marker colour, select colour first",
                     &OptionsChoice::markerColour),
        1, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(buttons);
    right->addWidget(boardPreview_, 1);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(colPik1_);
    layout->addLayout(right, 1);
    return frame;
}

QWidget* Form2::BuildFontsFrame() {
    QGroupBox* frame = Frame("Fonts", this);
    list2_ = new QListWidget(frame);
    list2_->setObjectName("List2");
    for (const std::string& font : app_.fontList) list2_->addItem(QString::fromStdString(font));
    list2_->setMinimumWidth(170);
    connect(list2_, &QListWidget::currentTextChanged, this, [this](const QString& font) {
        if (font.isEmpty()) return;
        choice_.fontName = font.toStdString();
        ShowPreview();
    });
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(list2_);
    return frame;
}

QWidget* Form2::BuildChoicesColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(OptionFrame(
        "Grid Line", "optgrid",
        {{"Solid", kGridSolid}, {"Dotted", kGridDotted}, {"None", kGridNone}}, gridLine_, column));
    layout->addWidget(OptionFrame("Marker Style", "optmarker",
                                  {{"Two Rectangles", kMarkerTwoRectangles}, {"Bar", kMarkerBar}},
                                  markerStyle_, column));
    layout->addWidget(
        OptionFrame("Menu bar", "optmenubar", {{"Left", 0}, {"Right", 1}}, menuBar_, column));
    connect(gridLine_, &QButtonGroup::idClicked, this, [this](int code) {
        choice_.gridLine = code;
        ShowPreview();
    });
    connect(markerStyle_, &QButtonGroup::idClicked, this, [this](int code) {
        choice_.marker = code;
        ShowPreview();
    });
    connect(menuBar_, &QButtonGroup::idClicked, this,
            [this](int code) { choice_.menuBarSide = code; });

    QGroupBox* autoFill = Frame("Auto Fill", column);
    autofill_ = new QCheckBox(
        ToolTipText("Automatically update|bars and colours|during user solution"), autoFill);
    autofill_->setObjectName("chkautofill");
    connect(autofill_, &QCheckBox::toggled, this,
            [this](bool on) { choice_.autofill = on ? 1 : 0; });
    (new QVBoxLayout(autoFill))->addWidget(autofill_);
    layout->addWidget(autoFill);

    QGroupBox* registerFrame = Frame("Register", column);
    register_ = new QCheckBox(ToolTipText("Save computer solutions in a|solution register file "),
                              registerFrame);
    register_->setObjectName("chkregister");
    connect(register_, &QCheckBox::toggled, this,
            [this](bool on) { choice_.solutionRegister = on ? 1 : 0; });
    (new QVBoxLayout(registerFrame))->addWidget(register_);
    layout->addWidget(registerFrame);

    QGroupBox* printer = Frame("Printer", column);
    auto* printing = new QPushButton("Set printing options", printer);
    printing->setObjectName("cmdprintopts");
    // The printing options come with printing.
    printing->setEnabled(false);
    (new QVBoxLayout(printer))->addWidget(printing);
    layout->addWidget(printer);
    layout->addStretch();
    return column;
}

void Form2::PickScheme(const QString& name) {
    combo1_->setCurrentIndex(combo1_->findText(name));
    if (name.isEmpty()) {
        choice_.schemeName.clear();
        schemeColours_ = app_.scheme;
    } else {
        choice_.schemeName = name.toStdString() + ".col";
        schemeColours_ = PreviewScheme(app_.paths.InApp(kSchemeListFile), choice_.schemeName,
                                       StandardColours(), app_.host);
    }
    ShowPreview();
}

SchemeColours Form2::ShownColours() const {
    SchemeColours colours = schemeColours_;
    if (choice_.colour13 > 0) colours[4] = choice_.colour13;
    return colours;
}

void Form2::ShowChoice() {
    for (int k = 0; k < list2_->count(); ++k) {
        if (list2_->item(k)->text().compare(QString::fromStdString(choice_.fontName),
                                            Qt::CaseInsensitive) == 0) {
            QSignalBlocker quiet(list2_);
            list2_->setCurrentRow(k);
            break;
        }
    }
    // A hand-edited configuration may hold a code no button stands for: then none is checked.
    for (const auto& [group, code] : {std::pair{gridLine_, choice_.gridLine},
                                      {markerStyle_, choice_.marker},
                                      {menuBar_, choice_.menuBarSide}})
        if (QAbstractButton* button = group->button(code)) button->setChecked(true);
    {
        QSignalBlocker quietAutofill(autofill_);
        QSignalBlocker quietRegister(register_);
        autofill_->setChecked(choice_.autofill == 1);
        register_->setChecked(choice_.solutionRegister == 1);
    }
    colPik1_->SetColour(choice_.barColour);
    ShowPreview();
}

void Form2::ShowPreview() {
    const SchemeColours colours = ShownColours();
    schemePreview_->Show(colours);
    boardPreview_->Show(choice_, colours);
}

std::optional<OptionsChoice> Form2::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return choice_;
}

}  // namespace ringlace

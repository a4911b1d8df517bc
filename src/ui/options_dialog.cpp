#include "ui/options_dialog.h"

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

#include "commands/app.h"
#include "commands/print_commands.h"
#include "ui/colour_picker.h"
#include "ui/command_button.h"
#include "ui/options_preview.h"
#include "ui/print_options_dialog.h"

namespace ringlace {

namespace {

std::int32_t FromQColor(const QColor& colour) {
    return Rgb(colour.red(), colour.green(), colour.blue());
}

// The built-in scheme: the platform's own colours for windows, buttons and text.
SchemeColours StandardColours() {
    const QPalette palette = QApplication::palette();
    SchemeColours colours{};
    colours[kWindowColour] = FromQColor(palette.color(QPalette::Window));
    colours[kBoardColour] = FromQColor(palette.color(QPalette::Base));
    colours[kBoardLightColour] = FromQColor(palette.color(QPalette::Light));
    colours[kButtonColour] = FromQColor(palette.color(QPalette::Button));
    colours[kButtonShadowColour] = FromQColor(palette.color(QPalette::Mid));
    colours[kLabelTextColour] = FromQColor(palette.color(QPalette::WindowText));
    colours[kStatusTextColour] = FromQColor(palette.color(QPalette::Text));
    colours[kMessageColour] = colours[kWindowColour];
    colours[kProgressColour] = FromQColor(palette.color(QPalette::Highlight));
    colours[kBoardFrameColour] = FromQColor(palette.color(QPalette::Midlight));
    colours[kActiveButtonColour] = FromQColor(palette.color(QPalette::Highlight));
    colours[kAdjustedButtonColour] = colours[kButtonColour];
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

OptionsDialog::OptionsDialog(App& app, QWidget* parent)
    : QDialog(parent), app_(app), choice_(OptionsFrom(app.settings)) {
    setObjectName("OptionsDialog");
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
    command1->setObjectName("acceptButton");
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);
    auto* reset = new QPushButton("Apply default options and exit", this);
    reset->setObjectName("defaultsButton");
    connect(reset, &QPushButton::clicked, this, [this] {
        choice_ = DefaultOptions(choice_);
        accept();
    });
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancelButton");
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
    PickScheme(schemeCombo_->findText(listed) >= 0 ? listed : QString());
    ShowChoice();
}

QWidget* OptionsDialog::BuildSchemeFrame() {
    QGroupBox* frame = Frame("Colour Scheme", this);
    schemeCombo_ = new QComboBox(frame);
    schemeCombo_->setObjectName("schemeCombo");
    for (const std::string& name : app_.schemeList)
        schemeCombo_->addItem(QString::fromStdString(name));
    connect(schemeCombo_, &QComboBox::textActivated, this, &OptionsDialog::PickScheme);
    auto* adjust = new CommandButton(
        "adjustColourButton", "Button colour: leftclick = darker, rightclick = lighter", frame);
    adjust->setText("Adjust");
    adjust->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(adjust, &CommandButton::clickedWith, this, [this](Qt::MouseButton button) {
        choice_.buttonColour =
            AdjustColour(ShownColours()[kButtonColour], button == Qt::RightButton);
        ShowPreview();
    });
    schemePreview_ = new SchemePreview(frame);
    auto* row = new QHBoxLayout;
    row->addWidget(schemeCombo_, 1);
    row->addWidget(adjust);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(row);
    layout->addWidget(schemePreview_);
    return frame;
}

QWidget* OptionsDialog::BuildColoursFrame() {
    QGroupBox* frame = Frame("Colours", this);
    colourPicker_ = new ColourPicker(frame);
    boardPreview_ = new BoardPreview(frame);
    const auto colourButton = [this, frame](const char* name, const char* caption,
                                            const char* toolTip,
                                            std::int32_t OptionsChoice::*member) {
        auto* button = new CommandButton(name, toolTip, frame);
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &CommandButton::clickedWith, this, [this, member](Qt::MouseButton mouse) {
            if (member == &OptionsChoice::barColour && mouse == Qt::RightButton)
                choice_.barThickness = NextBarThickness(choice_.barThickness);
            else
                choice_.*member = colourPicker_->Colour();
            ShowPreview();
        });
        return button;
    };
    auto* buttons = new QGridLayout;
    buttons->addWidget(colourButton("numberColourButton", "Numbers",
                                    "leftclick to set number colour, select colour first",
                                    &OptionsChoice::numberColour),
                       0, 0);
    buttons->addWidget(
        colourButton(
            "barColourButton", "Bars",
            "Leftclick to set bars colour, select colour first; rightclick to set bar thickness",
            &OptionsChoice::barColour),
        0, 1);
    buttons->addWidget(
        colourButton("gridColourButton", "Grid", "Set grid colour, select colour first",
                     &OptionsChoice::gridColour),
        1, 0);
    buttons->addWidget(
        colourButton("markerColourButton", "Markers", "Set marker colour, select colour first",
                     &OptionsChoice::markerColour),
        1, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(buttons);
    right->addWidget(boardPreview_, 1);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(colourPicker_);
    layout->addLayout(right, 1);
    return frame;
}

QWidget* OptionsDialog::BuildFontsFrame() {
    QGroupBox* frame = Frame("Fonts", this);
    fontList_ = new QListWidget(frame);
    fontList_->setObjectName("fontList");
    for (const std::string& font : app_.fontList) fontList_->addItem(QString::fromStdString(font));
    fontList_->setMinimumWidth(170);
    connect(fontList_, &QListWidget::currentTextChanged, this, [this](const QString& font) {
        if (font.isEmpty()) return;
        choice_.fontName = font.toStdString();
        ShowPreview();
    });
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(fontList_);
    return frame;
}

QWidget* OptionsDialog::BuildChoicesColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(OptionFrame(
        "Grid Line", "gridLine",
        {{"Solid", kGridSolid}, {"Dotted", kGridDotted}, {"None", kGridNone}}, gridLine_, column));
    layout->addWidget(OptionFrame("Marker Style", "markerStyle",
                                  {{"Two Rectangles", kMarkerTwoRectangles}, {"Bar", kMarkerBar}},
                                  markerStyle_, column));
    layout->addWidget(
        OptionFrame("Menu bar", "barSide", {{"Left", 0}, {"Right", 1}}, barSide_, column));
    connect(gridLine_, &QButtonGroup::idClicked, this, [this](int code) {
        choice_.gridLine = code;
        ShowPreview();
    });
    connect(markerStyle_, &QButtonGroup::idClicked, this, [this](int code) {
        choice_.marker = code;
        ShowPreview();
    });
    connect(barSide_, &QButtonGroup::idClicked, this,
            [this](int code) { choice_.menuBarSide = code; });

    QGroupBox* autoFill = Frame("Auto Fill", column);
    autofillCheck_ = new QCheckBox(
        ToolTipText("Automatically update|bars and colours|during user solution"), autoFill);
    autofillCheck_->setObjectName("autofillCheck");
    connect(autofillCheck_, &QCheckBox::toggled, this,
            [this](bool on) { choice_.autofill = on ? 1 : 0; });
    (new QVBoxLayout(autoFill))->addWidget(autofillCheck_);
    layout->addWidget(autoFill);

    QGroupBox* registerFrame = Frame("Register", column);
    registerCheck_ = new QCheckBox(
        ToolTipText("Save computer solutions in a|solution register file "), registerFrame);
    registerCheck_->setObjectName("registerCheck");
    connect(registerCheck_, &QCheckBox::toggled, this,
            [this](bool on) { choice_.solutionRegister = on ? 1 : 0; });
    (new QVBoxLayout(registerFrame))->addWidget(registerCheck_);
    layout->addWidget(registerFrame);

    QGroupBox* printer = Frame("Printer", column);
    auto* printing = new QPushButton("Set printing options", printer);
    printing->setObjectName("printOptionsButton");
    // The printing options are kept when their own dialog is accepted, whatever becomes of this
    // one.
    connect(printing, &QPushButton::clicked, this, [this] {
        PrintOptionsDialog dialog(PrintStyle(app_), this);
        if (const std::optional<PaperStyle> style = dialog.Ask()) KeepPrintStyle(app_, *style);
    });
    (new QVBoxLayout(printer))->addWidget(printing);
    layout->addWidget(printer);
    layout->addStretch();
    return column;
}

void OptionsDialog::PickScheme(const QString& name) {
    schemeCombo_->setCurrentIndex(schemeCombo_->findText(name));
    if (name.isEmpty()) {
        choice_.schemeName.clear();
        schemeColours_ = app_.scheme;
    } else {
        choice_.schemeName = name.toStdString() + ".col";
        const std::optional<SchemeColours> preview =
            PreviewScheme(app_.paths.InApp(kSchemeListFile), choice_.schemeName, StandardColours());
        if (!preview)
            app_.host.Ask(
                {"Color Scheme: " + choice_.schemeName + " not found", Icon::None, Buttons::Ok});
        schemeColours_ = preview.value_or(StandardColours());
    }
    ShowPreview();
}

SchemeColours OptionsDialog::ShownColours() const {
    SchemeColours colours = schemeColours_;
    if (choice_.buttonColour > 0) colours[kButtonColour] = choice_.buttonColour;
    return colours;
}

void OptionsDialog::ShowChoice() {
    for (int k = 0; k < fontList_->count(); ++k) {
        if (fontList_->item(k)->text().compare(QString::fromStdString(choice_.fontName),
                                               Qt::CaseInsensitive) == 0) {
            QSignalBlocker quiet(fontList_);
            fontList_->setCurrentRow(k);
            break;
        }
    }
    // A hand-edited configuration may hold a code no button stands for: then none is checked.
    for (const auto& [group, code] : {std::pair{gridLine_, choice_.gridLine},
                                      {markerStyle_, choice_.marker},
                                      {barSide_, choice_.menuBarSide}})
        if (QAbstractButton* button = group->button(code)) button->setChecked(true);
    {
        QSignalBlocker quietAutofill(autofillCheck_);
        QSignalBlocker quietRegister(registerCheck_);
        autofillCheck_->setChecked(choice_.autofill == 1);
        registerCheck_->setChecked(choice_.solutionRegister == 1);
    }
    colourPicker_->SetColour(choice_.barColour);
    ShowPreview();
}

void OptionsDialog::ShowPreview() {
    const SchemeColours colours = ShownColours();
    schemePreview_->Show(colours);
    boardPreview_->Show(choice_, colours);
}

std::optional<OptionsChoice> OptionsDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return choice_;
}

}  // namespace ringlace

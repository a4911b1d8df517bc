// OptionsDialog, "Ringlace Options": the colour scheme, the board's colours, bar thickness and
// font, the grid-line and marker styles, the side of the command bar, autofill and the solution
// register.
#pragma once

#include <QDialog>
#include <optional>

#include "play/colour_scheme.h"
#include "play/options.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QListWidget;

namespace ringlace {

struct App;
class BoardPreview;
class CommandButton;
class ColourPicker;
class SchemePreview;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(App& app, QWidget* parent);

    // Shows the dialog with the current options; the choice when it was accepted.
    std::optional<OptionsChoice> Ask();

private:
    QWidget* BuildSchemeFrame();
    QWidget* BuildColoursFrame();
    QWidget* BuildFontsFrame();
    QWidget* BuildChoicesColumn();
    // The controls as the choice has them.
    void ShowChoice();
    void PickScheme(const QString& name);
    void ShowPreview();
    SchemeColours ShownColours() const;

    App& app_;
    OptionsChoice choice_;
    SchemeColours schemeColours_{};

    QComboBox* schemeCombo_ = nullptr;
    SchemePreview* schemePreview_ = nullptr;
    ColourPicker* colourPicker_ = nullptr;
    BoardPreview* boardPreview_ = nullptr;
    QListWidget* fontList_ = nullptr;
    QButtonGroup* gridLine_ = nullptr;
    QButtonGroup* markerStyle_ = nullptr;
    QButtonGroup* barSide_ = nullptr;
    QCheckBox* autofillCheck_ = nullptr;
    QCheckBox* registerCheck_ = nullptr;
};

}  // namespace ringlace

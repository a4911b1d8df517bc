// The options dialog as a person uses it: what it shows, what accepting it changes at once, the
// defaults button, and saving the options.
#include "ui/options_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "ui/board_view.h"
#include "ui/colour_picker.h"
#include "ui/print_options_dialog.h"
#include "window_helpers.h"

using namespace ringlace;

namespace {

struct Started : test::StartedWindow {
    // Opens the dialog from the menu and lets act work in it.
    void Options(std::function<void(OptionsDialog&)> act) {
        bool seen = false;
        test::WhenModalShows<OptionsDialog>([&seen, act](OptionsDialog& form) {
            seen = true;
            act(form);
            if (form.isVisible()) form.reject();
        });
        Find<QAction>("setOptionsAction")->trigger();
        QVERIFY(seen);
    }
    Settings& settings() { return app().settings; }
    // Whether the command bar lies left of the board, both as the window places them.
    bool BarLeftOfBoard() {
        const auto left = [this](QWidget* widget) { return widget->mapTo(&window, QPoint()).x(); };
        return left(Find<QWidget>("commandBar")) < left(window.boardView());
    }
};

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    // The dialog opens on the current options; accepting applies every change at once.
    void acceptingAppliesEveryChoiceAtOnce() {
        Started started;
        QVERIFY(started.BarLeftOfBoard());
        started.Options([](OptionsDialog& form) {
            auto* combo = test::In<QComboBox>(form, "schemeCombo");
            QCOMPARE(combo->currentText(), QString("xp"));
            QVERIFY(test::In<QRadioButton>(form, "gridLine_0")->isChecked());
            QVERIFY(test::In<QRadioButton>(form, "markerStyle_1")->isChecked());
            test::In<QRadioButton>(form, "gridLine_1")->click();
            test::In<QRadioButton>(form, "markerStyle_0")->click();
            test::In<QRadioButton>(form, "barSide_1")->click();
            test::In<QCheckBox>(form, "autofillCheck")->click();
            test::In<ColourPicker>(form, "colourPicker")->SetColour(Rgb(0, 0, 128));
            QTest::mouseClick(test::In<QToolButton>(form, "barColourButton"), Qt::LeftButton);
            QTest::mouseClick(test::In<QToolButton>(form, "barColourButton"), Qt::RightButton);
            QTest::mouseClick(test::In<QToolButton>(form, "adjustColourButton"), Qt::LeftButton);
            combo->setCurrentIndex(combo->findText("dark"));
            emit combo->textActivated("dark");
            test::In<QPushButton>(form, "acceptButton")->click();
        });
        const Settings& settings = started.settings();
        QCOMPARE(settings.GridLine, int(kGridNone));
        QCOMPARE(settings.Marker, int(kMarkerBar));
        QCOMPARE(settings.MenuBarSide, 1);
        QCOMPARE(settings.AutofillOn, 1);
        QCOMPARE(settings.BarColour, Rgb(0, 0, 128));
        QCOMPARE(settings.BarThickness, 3);
        QCOMPARE(settings.SchemeName, std::string("dark.col"));
        QVERIFY(settings.ButtonColour > 0);
        QCOMPARE(started.app().scheme[4], settings.ButtonColour);
        QCOMPARE(started.Find<QLabel>("autofillLight")->text(), QString("A"));
        // The command bar moved to the right of the board.
        QTRY_VERIFY(!started.BarLeftOfBoard());
    }

    // Cancel changes nothing; the defaults button resets the look; Save writes the options.
    void cancelDefaultsAndSave() {
        Started started;
        started.settings().GridLine = kGridDotted;
        started.settings().BarThickness = 6;
        started.settings().AutofillOn = 1;
        const Settings before = started.settings();
        started.Options([](OptionsDialog& form) {
            test::In<QRadioButton>(form, "gridLine_0")->click();
            test::In<QPushButton>(form, "cancelButton")->click();
        });
        QVERIFY(started.settings() == before);
        started.Options(
            [](OptionsDialog& form) { test::In<QPushButton>(form, "defaultsButton")->click(); });
        QCOMPARE(started.settings().GridLine, int(kGridSolid));

        started.settings().BarThickness = 4;
        started.Find<QAction>("saveOptionsAction")->trigger();
        QVERIFY(started.installation.Config().find(" 128  2  4  0 ") != std::string::npos);
    }

    // "Set printing options" edits how pages print; its own OK keeps them, its Cancel does not.
    void printingOptionsAreKeptByTheirOwnDialog() {
        Started started;
        const auto printingOptions = [&started](bool accept) {
            started.Options([accept](OptionsDialog& form) {
                test::WhenModalShows<PrintOptionsDialog>([accept](PrintOptionsDialog& dialog) {
                    QCOMPARE(test::In<QLineEdit>(dialog, "printCornerField")->text(), QString("+"));
                    test::In<QCheckBox>(dialog, "printRectangleCornerBox")->click();
                    QVERIFY(!test::In<QLineEdit>(dialog, "printCornerField")->isEnabled());
                    test::In<QSpinBox>(dialog, "printLineWidthBox")->setValue(4);
                    accept ? dialog.accept() : dialog.reject();
                });
                test::In<QPushButton>(form, "printOptionsButton")->click();
                test::In<QPushButton>(form, "cancelButton")->click();
            });
        };
        printingOptions(false);
        QCOMPARE(started.settings().RectangleCorner, 0);
        QCOMPARE(started.settings().CornerChar, std::string("+"));
        printingOptions(true);
        QCOMPARE(started.settings().RectangleCorner, 1);
        QCOMPARE(started.settings().CornerChar, std::string(""));
        QCOMPARE(started.settings().PrintLineWidth, 4);
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"

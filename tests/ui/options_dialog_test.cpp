// The options dialog as a person uses it: what it shows, what accepting it changes at once, the
// defaults button, and saving the options.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "play/ui/board_view.h"
#include "play/ui/colour_picker.h"
#include "play/ui/form2.h"
#include "shell/ui/form1.h"
#include "window_helpers.h"

using namespace ringlace;
using test::Installation;

namespace {

struct Started {
    Started() : window(installation.Paths()) {
        window.StartUp();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    // Opens the dialog from the menu and lets act work in it.
    void Options(std::function<void(Form2&)> act) {
        bool seen = false;
        test::WhenModalShows<Form2>([&seen, act](Form2& form) {
            seen = true;
            act(form);
            if (form.isVisible()) form.reject();
        });
        window.findChild<QAction*>("mnuopts")->trigger();
        QVERIFY(seen);
    }
    Settings& settings() { return window.app().settings; }

    Installation installation;
    Form1 window;
};

template <typename Widget>
Widget* In(QWidget& parent, const char* name) {
    Widget* widget = parent.findChild<Widget*>(name);
    if (!widget) qFatal("no %s", name);
    return widget;
}

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theDialogShowsEveryFrameAndTheCurrentOptions() {
        Started started;
        started.Options([](Form2& form) {
            QCOMPARE(form.windowTitle(), QString("Ringlace Options"));
            QStringList frames;
            for (QGroupBox* frame : form.findChildren<QGroupBox*>()) frames << frame->title();
            QCOMPARE(frames,
                     QStringList({"Colour Scheme", "Colours", "Fonts", "Grid Line", "Marker Style",
                                  "Menu bar", "Auto Fill", "Register", "Printer"}));
            auto* combo = In<QComboBox>(form, "Combo1");
            QCOMPARE(combo->currentText(), QString("xp"));
            QVERIFY(combo->count() >= 4);
            QVERIFY(In<QRadioButton>(form, "optgrid_0")->isChecked());
            QVERIFY(In<QRadioButton>(form, "optmarker_1")->isChecked());
            QCOMPARE(In<QRadioButton>(form, "optmarker_1")->text(), QString("Two Rectangles"));
            QCOMPARE(In<QCheckBox>(form, "chkautofill")->text(),
                     QString("Automatically update\nbars and colours\nduring user solution"));
            QCOMPARE(In<QToolButton>(form, "cmdbarcol")->toolTip(),
                     QString("Leftclick to set bars colour, select colour first; rightclick to set "
                             "bar thickness"));
            QCOMPARE(In<QPushButton>(form, "reset")->text(),
                     QString("Apply default options and exit"));
        });
    }

    void acceptingAppliesEveryChoiceAtOnce() {
        Started started;
        started.Options([](Form2& form) {
            In<QRadioButton>(form, "optgrid_1")->click();
            In<QRadioButton>(form, "optmarker_0")->click();
            In<QRadioButton>(form, "optmenubar_1")->click();
            In<QCheckBox>(form, "chkautofill")->click();
            In<ColourPicker>(form, "ColPik1")->SetColour(Rgb(0, 0, 128));
            QTest::mouseClick(In<QToolButton>(form, "cmdbarcol"), Qt::LeftButton);
            QTest::mouseClick(In<QToolButton>(form, "cmdbarcol"), Qt::RightButton);
            QTest::mouseClick(In<QToolButton>(form, "cmdadjust4"), Qt::LeftButton);
            auto* combo = In<QComboBox>(form, "Combo1");
            combo->setCurrentIndex(combo->findText("dark"));
            emit combo->textActivated("dark");
            In<QPushButton>(form, "command1")->click();
        });
        const Settings& settings = started.settings();
        QCOMPARE(settings.GridLine, int(kGridNone));
        QCOMPARE(settings.Marker, int(kMarkerBar));
        QCOMPARE(settings.MenuBarSide, 1);
        QCOMPARE(settings.AutofillOn, 1);
        QCOMPARE(settings.BarColour, Rgb(0, 0, 128));
        QCOMPARE(settings.BarThickness, 3);
        QCOMPARE(settings.SchemeName, std::string("dark.col"));
        QVERIFY(settings.SchemeColour13 > 0);
        QCOMPARE(started.window.app().scheme[4], settings.SchemeColour13);
        QCOMPARE(started.window.findChild<QLabel*>("Label4")->text(), QString("A"));
        // The command bar moved to the right of the board.
        QWidget* bar = started.window.findChild<QWidget*>("commandBar");
        QTRY_VERIFY(bar->geometry().left() > started.window.Picture5()->geometry().left());
    }

    void theDefaultsButtonResetsTheLook() {
        Started started;
        started.settings().GridLine = kGridDotted;
        started.settings().BarThickness = 6;
        started.settings().AutofillOn = 1;
        started.Options([](Form2& form) { In<QPushButton>(form, "reset")->click(); });
        QCOMPARE(started.settings().GridLine, int(kGridSolid));
        QCOMPARE(started.settings().BarThickness, 2);
        QCOMPARE(started.settings().AutofillOn, 0);
        QCOMPARE(started.settings().FontName, std::string("arial"));
    }

    void cancellingChangesNothingAndSaveWritesTheOptions() {
        Started started;
        const Settings before = started.settings();
        started.Options([](Form2& form) {
            In<QRadioButton>(form, "optgrid_2")->click();
            In<QPushButton>(form, "cancel")->click();
        });
        QVERIFY(started.settings() == before);

        started.settings().BarThickness = 4;
        started.window.findChild<QAction*>("mnuoptup")->trigger();
        QVERIFY(started.installation.Config().find(" 128  2  4  0 ") != std::string::npos);
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"

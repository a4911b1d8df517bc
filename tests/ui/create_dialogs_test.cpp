// Puzzles with Options, Jumbo 50x50 and the puzzle editors as a puzzle maker uses them: the
// dialogs' checks keep them open with the reason, and accepted dialogs make the puzzles.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "model/clue_grid.h"
#include "model/text_file.h"
#include "ui/batch_dialog.h"
#include "ui/clue_editor_dialog.h"
#include "ui/editor_grid.h"
#include "ui/jumbo_dialog.h"
#include "ui/loop_editor_dialog.h"
#include "ui/pattern_editor_dialog.h"
#include "ui/pattern_grid.h"
#include "window_helpers.h"

using namespace ringlace;

class CreateDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // A wrong count keeps the dialog open with its message; then the question names what the
    // fields hold.
    void aBatchIsCheckedAndAskedFor() {
        test::StartedWindow started;
        const std::string out = started.installation.folder.File("made.txt");
        std::shared_ptr<test::SeenMessage> refused, asked;
        test::WhenModalShows<BatchDialog>([&](BatchDialog& dialog) {
            QCOMPARE(
                test::In<QLineEdit>(dialog, "batchFileField")->text(),
                QString::fromStdString(started.installation.folder.File("temporarypuzfile.txt")));
            QCOMPARE(test::In<QComboBox>(dialog, "batchLevelList")->currentText(),
                     QString("Medium"));
            test::In<QSpinBox>(dialog, "batchCountBox")->setValue(0);
            refused = test::AnswerNextMessage("Ok");
            dialog.accept();
            QVERIFY(dialog.isVisible());
            test::In<QSpinBox>(dialog, "batchCountBox")->setValue(2);
            test::In<QComboBox>(dialog, "batchRowsList")->setCurrentText("5");
            test::In<QComboBox>(dialog, "batchColumnsList")->setCurrentText("6");
            QCOMPARE(test::In<PatternGrid>(dialog, "patternGrid")->pattern().cols, 6);
            test::In<QComboBox>(dialog, "batchLevelList")->setCurrentText("Easy");
            test::In<QLineEdit>(dialog, "batchFileField")->setText(QString::fromStdString(out));
            asked = test::AnswerNextMessage("No");
            dialog.accept();
        });
        started.Find<QAction>("puzzlesWithOptionsAction")->trigger();
        QVERIFY(refused && refused->answered);
        QCOMPARE(refused->text, QString("Incorrect Number or Size of Puzzles"));
        QVERIFY(asked && asked->answered);
        QCOMPARE(asked->text, QString::fromStdString("Create 2 puzzles\nRows = 5, Columns = 6\n"
                                                     "Difficulty Level = Easy\nOutput File = " +
                                                     out));
        QVERIFY(!FileExists(out));
    }

    // Sizes below 17 are refused; a 26 x 26 puzzle is written to the spreadsheet file.
    void aJumboSizeIsCheckedAndTheSheetWritten() {
        test::StartedWindow started;
        const std::string sheet = started.installation.folder.File("big.xls");
        std::shared_ptr<test::SeenMessage> refused, saved;
        test::WhenModalShows<JumboDialog>([&](JumboDialog& dialog) {
            QCOMPARE(test::In<QComboBox>(dialog, "jumboRowsList")->currentText(), QString("50"));
            test::In<QComboBox>(dialog, "jumboRowsList")->setCurrentText("16");
            refused = test::AnswerNextMessage("Ok");
            dialog.accept();
            QVERIFY(dialog.isVisible());
            test::In<QComboBox>(dialog, "jumboRowsList")->setCurrentText("26");
            test::In<QComboBox>(dialog, "jumboColumnsList")->setCurrentText("26");
            test::In<QLineEdit>(dialog, "jumboFileField")->setText(QString::fromStdString(sheet));
            saved = test::AnswerNextMessage("Ok");
            dialog.accept();
        });
        started.Find<QAction>("jumboAction")->trigger();
        QCOMPARE(refused->text, QString("Incorrect puzzle size"));
        QVERIFY(saved && saved->answered);
        QCOMPARE(saved->text, QString::fromStdString("Puzzle saved in file:\n" + sheet +
                                                     "\nOpen Excel file and print"));
        QVERIFY(FileExists(sheet));
    }

    // Clues typed with the keys (mirrored) become the current puzzle, and the status line tells
    // at once what the count found.
    void typedCluesAreAppliedWithTheCountsVerdict() {
        test::StartedWindow started;
        test::WhenModalShows<ClueEditorDialog>([](ClueEditorDialog& editor) {
            auto* grid = test::In<EditorGrid>(editor, "clueEditorGrid");
            auto answered = test::AnswerNextMessage("Yes");
            test::In<QPushButton>(editor, "editorClearButton")->click();
            QTest::mouseClick(test::In<QCheckBox>(editor, "editorMirrorBox"), Qt::LeftButton);
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_3);
            QTest::keyClick(grid, Qt::Key_Space);
            QTest::keyClick(grid, Qt::Key_2);
            const Grid& typed = grid->grid();
            QCOMPARE(int(typed.Clue[typed.CellNum[5][5]]), 3);
            QCOMPARE(int(typed.Clue[typed.CellNum[5][4]]), 2);
            test::In<QPushButton>(editor, "editorApplyButton")->click();
        });
        QTest::mouseClick(started.Find("editNumbersButton"), Qt::LeftButton);
        QCOMPARE(started.Status(),
                 QString("Now Autosolve to check puzzle: more than one solution"));
        QCOMPARE(started.window.windowTitle(),
                 QString("tempeditpuzzle.txt - 1 of 1 - Ringlace 3.0"));
    }

    // The loop editor starts from the solution's loop; Exit after a change asks first, and the
    // loop makes a puzzle whose stored solution it is.
    void aDrawnLoopBecomesAPuzzle() {
        test::StartedWindow started;
        const std::string before = started.app().grid.SolutionCode;
        std::shared_ptr<test::SeenMessage> exitQuestion;
        test::WhenModalShows<LoopEditorDialog>([&exitQuestion](LoopEditorDialog& editor) {
            auto* grid = test::In<EditorGrid>(editor, "loopEditorGrid");
            QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(12 + 18, 12));
            exitQuestion = test::AnswerNextMessage("No");
            test::In<QPushButton>(editor, "editorExitButton")->click();
            QVERIFY(editor.isVisible());
            QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(12 + 18, 12));
            test::In<QPushButton>(editor, "editorApplyButton")->click();
        });
        QTest::mouseClick(started.Find("editLoopButton"), Qt::LeftButton);
        QVERIFY(exitQuestion && exitQuestion->answered);
        QCOMPARE(exitQuestion->text,
                 QString("You have changed the Numbers pattern\nExit without saving?"));
        QCOMPARE(started.Status(), QString("Puzzle created"));
        QCOMPARE(started.app().grid.SolutionCode, before);
    }

    // The locations editor starts from the puzzle's clue cells (here every cell is clicked, so
    // the open cells get the clues); applied, the pattern waits on an empty board, and the
    // Autosolve button creates a puzzle on it.
    void anAppliedPatternIsCreatedOnByAutosolve() {
        test::StartedWindow started;
        started.app().random = RandomSource(8);
        const ClueGrid shown = CluesOf(started.app().grid);
        test::WhenModalShows<PatternEditorDialog>([](PatternEditorDialog& editor) {
            auto* grid = test::In<PatternGrid>(editor, "patternGrid");
            for (int r = 0; r < 5; ++r)
                for (int c = 0; c < 5; ++c)
                    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(11 + 22 * c, 11 + 22 * r));
            test::In<QPushButton>(editor, "editorApplyButton")->click();
        });
        QTest::mouseClick(started.Find("editPatternButton"), Qt::LeftButton);
        QCOMPARE(started.Status(), QString("Now Autosolve to create a puzzle"));
        QTest::mouseClick(started.Find("autosolveButton"), Qt::LeftButton);
        QCOMPARE(started.Status(), QString("Puzzle created"));
        const ClueGrid made = CluesOf(started.app().grid);
        for (std::size_t k = 0; k < shown.clues.size(); ++k)
            QCOMPARE(made.clues[k] != kNoClue, shown.clues[k] == kNoClue);
    }
};

QTEST_MAIN(CreateDialogsTest)
#include "create_dialogs_test.moc"

// The message box as a person meets it: pictures, buttons, keys.
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "shell/ui/msg_form.h"
#include "window_helpers.h"

using namespace ringlace;

class MsgFormTest : public QObject {
    Q_OBJECT

private:
    // Shows the box, lets `act` run inside its event loop, returns what the box returned.
    template <typename Act>
    int ShowAndAct(MsgForm& box, const char* text, const char* style, Act act) {
        QTimer::singleShot(50, &box, [&box, act] { act(box); });
        // A failed check inside act leaves the box open: close it so the test ends.
        QTimer::singleShot(5000, &box, [&box] {
            if (box.isVisible()) box.Buttons().back()->click();
        });
        return box.MsgboxA(text, style, QColor());
    }

private slots:
    void questionShowsItsPictureAndYesNo() {
        MsgForm box;
        const int answer = ShowAndAct(box, "Proceed ?", "vbQuestion + vbYesNo", [](MsgForm& shown) {
            QVERIFY(shown.isVisible());
            QVERIFY(shown.isModal());
            QCOMPARE(shown.Buttons().size(), std::size_t(2));
            QCOMPARE(shown.Buttons()[0]->text(), QString("Yes"));
            QCOMPARE(shown.Buttons()[1]->text(), QString("No"));
            for (int k = 0; k < kMsgPictureCount; ++k)
                QCOMPARE(shown.Icons()[std::size_t(k)]->isVisible(), k == 0);
            QTest::mouseClick(shown.Buttons()[1], Qt::LeftButton);
        });
        QCOMPARE(answer, 7);
    }

    void multiLineTextKeepsItsLines() {
        MsgForm box;
        ShowAndAct(box, "Error reading file:\r\n/tmp/x.txt", "vbcritical+vbok", [](MsgForm& shown) {
            QCOMPARE(shown.Label1()->text(), QString("Error reading file:\n/tmp/x.txt"));
            QVERIFY(shown.Icons()[4]->isVisible());
            shown.Buttons()[0]->click();
        });
    }

    void escapeDoesNothingAndEnterPressesTheFocusedButton() {
        MsgForm box;
        const int answer = ShowAndAct(box, "Exit?", "vbYesNo+vbexit", [](MsgForm& shown) {
            QTest::keyClick(&shown, Qt::Key_Escape);
            QVERIFY(shown.isVisible());
            shown.close();
            QVERIFY(shown.isVisible());
            shown.Buttons()[1]->setFocus();
            QTest::keyClick(shown.Buttons()[1], Qt::Key_Return);
        });
        QCOMPARE(answer, 7);
        QVERIFY(!box.isVisible());
    }

    void buttonsStandInOneCentredRowOfEqualWidth() {
        MsgForm box;
        ShowAndAct(box, "A rather longer message than the buttons need", "vbyesnocancel",
                   [](MsgForm& shown) {
                       const auto& buttons = shown.Buttons();
                       QCOMPARE(buttons.size(), std::size_t(3));
                       for (QPushButton* button : buttons) {
                           QCOMPARE(button->width(), buttons[0]->width());
                           QCOMPARE(button->y(), buttons[0]->y());
                       }
                       const int rowCentre = (buttons.front()->geometry().left() +
                                              buttons.back()->geometry().right()) / 2;
                       QVERIFY(std::abs(rowCentre - shown.width() / 2) <= 2);
                       QVERIFY(buttons[0]->y() > shown.Label1()->geometry().bottom());
                       buttons[2]->click();
                   });
    }

    void aPictureAloneGetsOneOkButtonAndTheBoxIsReused() {
        MsgForm box;
        const int first = ShowAndAct(box, "Done", "vbhappy", [](MsgForm& shown) {
            QCOMPARE(shown.Buttons().size(), std::size_t(1));
            QCOMPARE(shown.Buttons()[0]->text(), QString("Ok"));
            shown.Buttons()[0]->click();
        });
        QCOMPARE(first, 1);
        const int second = ShowAndAct(box, "Again", "vbok+vbunknownword", [](MsgForm& shown) {
            QCOMPARE(shown.Buttons().size(), std::size_t(1));
            QVERIFY(!shown.Icons()[5]->isVisible());
            shown.Buttons()[0]->click();
        });
        QCOMPARE(second, 1);
    }
};

QTEST_MAIN(MsgFormTest)
#include "msg_form_test.moc"

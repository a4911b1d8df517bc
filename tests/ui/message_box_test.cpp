// The message box as a person meets it: pictures, buttons, keys.
#include "ui/message_box.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace ringlace;

class MessageBoxTest : public QObject {
    Q_OBJECT

private:
    // Shows the box, lets `act` run inside its event loop, returns what the box returned.
    template <typename Act>
    Answer ShowAndAct(MessageBox& box, const Message& message, Act act) {
        QTimer::singleShot(50, &box, [&box, act] { act(box); });
        // A failed check inside act leaves the box open: close it so the test ends.
        QTimer::singleShot(5000, &box, [&box] {
            if (box.isVisible()) box.Buttons().back()->click();
        });
        return box.Ask(message, QColor());
    }

    static QStringList Captions(const MessageBox& box) {
        QStringList captions;
        for (QPushButton* button : box.Buttons()) captions << button->text();
        return captions;
    }

private slots:
    // One box serves every message: each brings its own text with its lines, its own buttons, and
    // its picture or none.
    void eachMessageShowsItsTextPictureAndButtons() {
        MessageBox box;
        const Message question{"Error reading file:\r\n/tmp/x.txt", Icon::Question, Buttons::YesNo};
        const Answer no = ShowAndAct(box, question, [](MessageBox& shown) {
            QVERIFY(shown.isModal());
            QCOMPARE(shown.Text()->text(), QString("Error reading file:\n/tmp/x.txt"));
            QCOMPARE(Captions(shown), QStringList({"Yes", "No"}));
            QVERIFY(shown.Picture()->isVisible());
            QTest::mouseClick(shown.Buttons()[1], Qt::LeftButton);
        });
        QVERIFY(no == Answer::No);
        const Answer cancel =
            ShowAndAct(box, {"Again", Icon::None, Buttons::RetryCancel}, [](MessageBox& shown) {
                QCOMPARE(Captions(shown), QStringList({"Retry", "Cancel"}));
                QVERIFY(!shown.Picture()->isVisible());
                shown.Buttons()[1]->click();
            });
        QVERIFY(cancel == Answer::Cancel);
    }

    void escapeDoesNothingAndEnterPressesTheFocusedButton() {
        MessageBox box;
        const Answer answer =
            ShowAndAct(box, {"Exit?", Icon::Exit, Buttons::YesNo}, [](MessageBox& shown) {
                QTest::keyClick(&shown, Qt::Key_Escape);
                QVERIFY(shown.isVisible());
                shown.close();
                QVERIFY(shown.isVisible());
                shown.Buttons()[1]->setFocus();
                QTest::keyClick(shown.Buttons()[1], Qt::Key_Return);
            });
        QVERIFY(answer == Answer::No);
        QVERIFY(!box.isVisible());
    }

    void buttonsStandInOneCentredRowOfEqualWidth() {
        MessageBox box;
        ShowAndAct(
            box,
            {"A rather longer message than the buttons need", Icon::None, Buttons::YesNoCancel},
            [](MessageBox& shown) {
                const auto& buttons = shown.Buttons();
                QCOMPARE(buttons.size(), std::size_t(3));
                for (QPushButton* button : buttons) {
                    QCOMPARE(button->width(), buttons[0]->width());
                    QCOMPARE(button->y(), buttons[0]->y());
                }
                const int rowCentre =
                    (buttons.front()->geometry().left() + buttons.back()->geometry().right()) / 2;
                QVERIFY(std::abs(rowCentre - shown.width() / 2) <= 2);
                QVERIFY(buttons[0]->y() > shown.Text()->geometry().bottom());
                buttons[2]->click();
            });
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"

// The message box as a person meets it: pictures, buttons, keys.
#include "ui/message_box.h"

#include <QEventLoop>
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
    // A long command runs inside the event loop and may ask twice before control returns there to
    // delete the first box's buttons: they must be out of sight, or a stale "Yes" would answer.
    void aQuestionAfterAQuestionShowsOnlyItsOwnButtons() {
        MessageBox box;
        QEventLoop running;
        int visible = 0;
        QTimer::singleShot(0, &running, [&] {
            ShowAndAct(box, {"First", Icon::Question, Buttons::YesNo},
                       [](MessageBox& shown) { shown.Buttons()[0]->click(); });
            ShowAndAct(box, {"Second", Icon::None, Buttons::Ok}, [&visible](MessageBox& shown) {
                for (const QPushButton* button : shown.findChildren<QPushButton*>())
                    visible += button->isVisible() ? 1 : 0;
                shown.Buttons()[0]->click();
            });
            running.quit();
        });
        running.exec();
        QCOMPARE(visible, 1);
    }

    // One box serves every message: each brings its own text with its lines, its own buttons, and
    // its picture or none.
    void eachMessageShowsItsTextPictureAndButtonsAndTakesItsAnswer() {
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
        // The buttons stand in one centred row below the text, of equal width, at least 88 wide.
        const Message longer{"A rather longer message than the buttons need", Icon::None,
                             Buttons::RetryCancel};
        const Answer cancel = ShowAndAct(box, longer, [](MessageBox& shown) {
            const auto& buttons = shown.Buttons();
            QCOMPARE(Captions(shown), QStringList({"Retry", "Cancel"}));
            QVERIFY(!shown.Picture()->isVisible());
            QCOMPARE(buttons[0]->width(), 88);
            QCOMPARE(buttons[1]->width(), 88);
            QCOMPARE(buttons[1]->y(), buttons[0]->y());
            const int rowCentre =
                (buttons.front()->geometry().left() + buttons.back()->geometry().right()) / 2;
            QVERIFY(std::abs(rowCentre - shown.width() / 2) <= 2);
            QVERIFY(buttons[0]->y() > shown.Text()->geometry().bottom());
            buttons[1]->click();
        });
        QVERIFY(cancel == Answer::Cancel);

        // Escape and closing do nothing; Enter presses the focused button.
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
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"

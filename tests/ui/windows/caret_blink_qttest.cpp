// The caret stops blinking a while after the last input and blinks again at the next.

#include "ui/windows/caret_blink_qt.h"

#include <QApplication>
#include <QTest>
#include <QtGui>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

bool stopsBlinking() {
    return QTest::qWaitFor([] { return QApplication::cursorFlashTime() == 0; }, 10000);
}

TEST(CaretBlink, StopsAfterAWhileAndBlinksAgainAtInputUnlessItNeverBlinked) {
    struct Restore { // the application's flash time as it was, however the test ends
        int saved = QApplication::cursorFlashTime();
        ~Restore() { QApplication::setCursorFlashTime(saved); }
    } restore;
    QWidget target;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    {
        QApplication::setCursorFlashTime(1000);
        CaretBlinkLimit limit(20);
        for (QEvent* input : std::initializer_list<QEvent*>{&key, &click}) {
            ASSERT_TRUE(stopsBlinking()) << "the caret still blinks";
            QCoreApplication::sendEvent(&target, input);
            EXPECT_EQ(QApplication::cursorFlashTime(), 1000) << "input did not restart it";
        }
        // Other events (a repaint, say) are no input.
        ASSERT_TRUE(stopsBlinking());
        target.repaint();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::cursorFlashTime(), 0);
    }
    QApplication::setCursorFlashTime(0);
    {
        CaretBlinkLimit limit(20);
        QCoreApplication::sendEvent(&target, &key);
        EXPECT_EQ(QApplication::cursorFlashTime(), 0) << "a caret that never blinks blinks";
    }
}

} // namespace
} // namespace tikanda::test

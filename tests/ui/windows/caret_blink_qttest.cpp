// The caret stops blinking a while after the last input and blinks again at the next.

#include "ui/windows/caret_blink_qt.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tikanda::test {
namespace {

// Keeps the application's flash time as it was.
struct FlashTime {
    int saved = QApplication::cursorFlashTime();
    explicit FlashTime(int ms) { QApplication::setCursorFlashTime(ms); }
    ~FlashTime() { QApplication::setCursorFlashTime(saved); }
};

TEST(CaretBlink, StopsAfterAWhileAndBlinksAgainAtInput) {
    FlashTime flash(1000);
    CaretBlinkLimit limit(20);
    QWidget target;
    const std::function<std::unique_ptr<QEvent>()> inputs[] = {
        [] {
            return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
        },
        [] {
            return std::make_unique<QMouseEvent>(QEvent::MouseButtonPress, QPointF(1, 1),
                                                 QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                                                 Qt::NoModifier);
        },
        [] { return std::make_unique<QFocusEvent>(QEvent::FocusIn); },
    };
    for (const auto& input : inputs) {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::cursorFlashTime() == 0; }, 10000))
            << "the caret still blinks";
        auto e = input();
        QCoreApplication::sendEvent(&target, e.get());
        EXPECT_EQ(QApplication::cursorFlashTime(), 1000) << "input did not restart the blinking";
    }
    // Other events (a repaint, say) are no input.
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::cursorFlashTime() == 0; }, 10000));
    target.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::cursorFlashTime(), 0);
}

TEST(CaretBlink, ACaretThatNeverBlinksIsLeftAlone) {
    FlashTime flash(0);
    CaretBlinkLimit limit(20);
    QWidget target;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
    QCoreApplication::sendEvent(&target, &key);
    EXPECT_EQ(QApplication::cursorFlashTime(), 0);
}

} // namespace
} // namespace tikanda::test

#pragma once
// The text caret blinks for a while after the user's last key press, click or focus
// change, then stays on (as GTK desktops do by default). A blinking caret repaints its
// field twice a second: left alone, the program would wake up between its one-second
// ticks for nothing but the caret.

#include <QObject>
#include <QTimer>

namespace tikanda {

class CaretBlinkLimit : public QObject {
public:
    // Installs itself as an application event filter; the caret's own flash time comes
    // from the platform (a flash time of 0, no blinking, is left alone).
    explicit CaretBlinkLimit(int blinkMs = 10000);
    ~CaretBlinkLimit() override;

    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void activity();

    int m_flashTime = 0;
    QTimer m_stop;
};

} // namespace tikanda

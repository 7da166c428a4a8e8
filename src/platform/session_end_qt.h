#pragma once
// The end of a session the user did not choose: SIGTERM, SIGHUP and SIGINT (a logout, a
// shutdown, kill), the loss of the X connection, and the session manager's end of the
// session (its "die", which reaches the application as QEvent::Quit). Each runs `onEnd`
// once, without processing window events, and the process ends. The session manager's
// checkpoints save nothing and ask nothing: they only tell it not to restart the program.

#include <QObject>
#include <functional>

namespace tikanda {

class SessionEndWatch : public QObject {
public:
    // onEnd does the work and ends the process (it does not return). The signals are taken
    // from now on; the X connection's loss (Qt ends the process through exit()) only once
    // armDisplayLoss() has been called.
    explicit SessionEndWatch(std::function<void(int code)> onEnd);
    ~SessionEndWatch() override;
    void armDisplayLoss();
    void disarm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void end();

    std::function<void(int)> m_onEnd;
};

} // namespace tikanda

#pragma once
// The alarm window: frameless, 280 x 168, above all other windows, not in the taskbar,
// centred; its background picture and four labels. Clicks and key releases go to the
// window's handlers (Form_Click, lblAlarm_Click, Form_KeyUp); KeyReleaseGuard passes on only
// the releases of keys pressed in it.

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;

namespace tikanda {

class FrmAlarm;

class AlarmWindowQt : public QWidget {
public:
    // afterEvent runs after every event forwarded to the window (the screen is synced).
    AlarmWindowQt(FrmAlarm& model, std::function<void()> afterEvent);
    ~AlarmWindowQt() override;

    void sync();
    // The window's model is gone: forward nothing more.
    void detach();
    bool attached() const { return m_model != nullptr; }
    QLabel* label(int index) const { return m_labels.at(std::size_t(index)); }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void forwarded();

    FrmAlarm* m_model;
    std::function<void()> m_afterEvent;
    std::array<QLabel*, 4> m_labels{};
    QObject* m_pressed = nullptr; // where the mouse button went down
    bool m_shownOnce = false;
    QPixmap m_background; // drawn once: the labels on it change every second
    int m_activateSeen = 0;
};

} // namespace tikanda

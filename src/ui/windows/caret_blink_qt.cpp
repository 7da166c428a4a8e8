#include "ui/windows/caret_blink_qt.h"

#include <QApplication>
#include <QEvent>

namespace tikanda {

CaretBlinkLimit::CaretBlinkLimit(int blinkMs) : m_flashTime(QApplication::cursorFlashTime()) {
    if (m_flashTime <= 0) return;
    m_stop.setSingleShot(true);
    m_stop.setInterval(blinkMs);
    // Text fields follow a change of the flash time at once (QStyleHints announces it).
    connect(&m_stop, &QTimer::timeout, this, [] { QApplication::setCursorFlashTime(0); });
    qApp->installEventFilter(this);
    m_stop.start();
}

CaretBlinkLimit::~CaretBlinkLimit() {
    if (qApp) qApp->removeEventFilter(this);
}

bool CaretBlinkLimit::eventFilter(QObject*, QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
        activity();
        break;
    default:
        break;
    }
    return false;
}

void CaretBlinkLimit::activity() {
    if (QApplication::cursorFlashTime() != m_flashTime)
        QApplication::setCursorFlashTime(m_flashTime);
    m_stop.start();
}

} // namespace tikanda

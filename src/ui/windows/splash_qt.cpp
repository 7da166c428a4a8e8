#include "ui/windows/splash_qt.h"

#include "ui/windows/binding_qt.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

namespace tikanda {

namespace {
QRect pixels(const form::Rect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}
} // namespace

SplashWindowQt::SplashWindowQt(const form::FrmSplashModel& model)
    // Placed by the program and kept from the window manager (override-redirect): no
    // frame, no taskbar entry, no focus, and no managing and unmanaging to wait for at
    // start-up, where that work delayed the main window's appearance.
    : QWidget(nullptr,
              Qt::SplashScreen | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint),
      m_model(model),
      m_label(new QLabel(this)) {
    setObjectName(QStringLiteral("frmSplash"));
    setFont(dialogFont());
    setFixedSize(twipsToPixels(model.place.width), twipsToPixels(model.place.height));
    m_label->setObjectName(QString::fromStdString(model.Lbl.Name));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_label->setGeometry(pixels(model.Lbl.place));
    sync();
}

void SplashWindowQt::sync() {
    const QString text = QString::fromStdString(m_model.Lbl.Caption);
    if (m_label->text() != text) {
        m_label->setText(text);
        m_label->setAccessibleName(text);
        if (isVisible()) m_label->repaint();
    }
    if (m_model.Visible && !isVisible()) {
        if (QScreen* s = QGuiApplication::primaryScreen())
            move(s->availableGeometry().center() - rect().center());
        show();
        raise();
        repaint(); // drawn now: the work that follows holds the event loop up
    } else if (!m_model.Visible && isVisible()) {
        hide();
    }
}

void SplashWindowQt::paintEvent(QPaintEvent*) {
    // The fixed thin frame of a small dialog box.
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), false);
}

} // namespace tikanda

#include "ui/windows/alarm_window_qt.h"

#include "core/frm_alarm.h"
#include "ui/colours/colour_qt.h"
#include "ui/windows/binding_qt.h"
#include "ui/windows/controls_qt.h"
#include "ui/windows/keymap_qt.h"
#include "ui/windows/window_system_qt.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace tikanda {

namespace {

bool isClickButton(Qt::MouseButton b) {
    return b == Qt::LeftButton || b == Qt::RightButton;
}

// The alarm window as a screen reader sees it: an alert (as a message box's), named by the
// alarm text, described by the moment of the alarm ("Alarm vyhlášen: 09:05:00").
class AlarmAccessible : public QAccessibleWidget {
public:
    explicit AlarmAccessible(AlarmWindowQt* w) : QAccessibleWidget(w, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        const auto* w = static_cast<const AlarmWindowQt*>(widget());
        switch (t) {
        case QAccessible::Name:
            return w->label(0)->text();
        case QAccessible::Description:
            return w->label(1)->text() + QLatin1Char(' ') + w->label(3)->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

// The elapsed time, read as its text like any label; but it changes every second, so it
// raises no event then (see the constructor), and nothing announces each new second.
class ElapsedAccessible : public QAccessibleWidget {
public:
    explicit ElapsedAccessible(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const auto* l = static_cast<const QLabel*>(widget());
        return t == QAccessible::Name ? l->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* alarmAccessible(const QString&, QObject* object) {
    if (auto* w = dynamic_cast<AlarmWindowQt*>(object)) return new AlarmAccessible(w);
    if (auto* l = qobject_cast<QLabel*>(object))
        if (auto* w = dynamic_cast<AlarmWindowQt*>(l->parent()); w && w->label(2) == l)
            return new ElapsedAccessible(l);
    return nullptr;
}

} // namespace

AlarmWindowQt::AlarmWindowQt(FrmAlarm& model, std::function<void()> afterEvent)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_model(&model), m_afterEvent(std::move(afterEvent)) {
    setObjectName(QStringLiteral("frmAlarm"));
    setAttribute(Qt::WA_X11NetWmWindowTypeUtility);
    setFont(dialogFont());
    setFixedSize(twipsToPixels(model.place.width), twipsToPixels(model.place.height));
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Alarm"));
    // Installed with the first alarm window: start-up has no accessibility work for it.
    static const bool accessible = (QAccessible::installFactory(alarmAccessible), true);
    (void)accessible;
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        const form::Control& c = model.lblAlarm[i];
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromStdString(c.Name));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(labelAlignment(c.Alignment));
        l->setWordWrap(c.WordWrap);
        l->setFocusPolicy(Qt::NoFocus);
        if (c.Bold) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        l->installEventFilter(this);
        m_labels[i] = l;
    }
    // A label with no name of its own reports every new text as a new name, which screen
    // readers may speak: the elapsed time, new every second, has a fixed one.
    m_labels[2]->setAccessibleName(QString::fromStdString(model.lblAlarm[2].ToolTipText));
    sync();
}

AlarmWindowQt::~AlarmWindowQt() = default;

void AlarmWindowQt::detach() {
    m_model = nullptr;
    m_pressed = nullptr;
}

void AlarmWindowQt::sync() {
    if (!m_model) return;
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        const form::Control& c = m_model->lblAlarm[i];
        QLabel* l = m_labels[i];
        const QString text = QString::fromStdString(c.Caption);
        if (l->text() != text) l->setText(text);
        const QString tip = QString::fromStdString(c.ToolTipText);
        if (l->toolTip() != tip) {
            l->setToolTip(tip);
            l->setAccessibleDescription(tip);
        }
        QRect r(twipsToPixels(c.place.left), twipsToPixels(c.place.top),
                twipsToPixels(c.place.width), twipsToPixels(c.place.height));
        if (c.AutoSize) r.setSize(l->sizeHint());
        if (l->geometry() != r) l->setGeometry(r);
        const QColor fore = toQColor(c.ForeColor);
        if (l->palette().color(QPalette::Active, QPalette::WindowText) != fore) {
            QPalette p = l->palette();
            p.setColor(QPalette::Active, QPalette::WindowText, fore);
            p.setColor(QPalette::Inactive, QPalette::WindowText, fore);
            l->setPalette(p);
        }
        if (l->isHidden() == c.Visible) l->setVisible(c.Visible);
        if (l->isEnabled() != c.Enabled) l->setEnabled(c.Enabled);
    }
    if (m_model->Visible && !isVisible()) {
        if (!m_shownOnce) {
            if (QScreen* s = QGuiApplication::primaryScreen())
                move(s->availableGeometry().center() - rect().center());
            keepOffTaskbar(*this);
        }
        m_shownOnce = true;
        show();
        raise();
        // Screen readers speak an alert as it appears.
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    } else if (!m_model->Visible && isVisible()) {
        hide();
    }
    if (m_model->activateRequests != m_activateSeen) {
        m_activateSeen = m_model->activateRequests;
        if (isVisible()) {
            raise();
            activateWindow();
            setFocus(Qt::ActiveWindowFocusReason);
        }
    }
}

void AlarmWindowQt::forwarded() {
    if (m_afterEvent) m_afterEvent();
}

void AlarmWindowQt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal dpr = devicePixelRatioF();
    if (m_background.isNull() || m_background.devicePixelRatio() != dpr ||
        m_background.deviceIndependentSize() != QSizeF(size()))
        m_background = drawSvg(imageResource("AlarmPozadi"), size(), dpr);
    if (!m_background.isNull())
        p.drawPixmap(0, 0, m_background);
    else
        p.fillRect(rect(), palette().window());
}

void AlarmWindowQt::mousePressEvent(QMouseEvent* e) {
    if (isClickButton(e->button())) m_pressed = this;
    e->accept();
}

void AlarmWindowQt::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    const bool click = m_pressed == this && isClickButton(e->button()) && rect().contains(e->pos());
    m_pressed = nullptr;
    if (!click || !m_model) return;
    m_model->Form_Click();
    forwarded();
}

bool AlarmWindowQt::eventFilter(QObject* obj, QEvent* e) {
    auto* l = qobject_cast<QLabel*>(obj);
    if (!l) return false;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (isClickButton(static_cast<QMouseEvent*>(e)->button())) m_pressed = l;
        return true;
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(e);
        const bool click =
            m_pressed == l && isClickButton(m->button()) && l->rect().contains(m->pos());
        m_pressed = nullptr;
        if (!click || !m_model) return true;
        for (std::size_t i = 0; i < m_labels.size(); ++i)
            if (m_labels[i] == l) {
                m_model->lblAlarm_Click(int(i));
                forwarded();
                break;
            }
        return true;
    }
    default:
        return false;
    }
}

void AlarmWindowQt::keyPressEvent(QKeyEvent* e) {
    e->accept();
}

void AlarmWindowQt::keyReleaseEvent(QKeyEvent* e) {
    e->accept();
    if (e->isAutoRepeat() || !m_model) return;
    const int vk = virtualKey(*e);
    if (vk == 0) return;
    m_model->Form_KeyUp(vk, shiftState(e->modifiers()));
    forwarded();
}

} // namespace tikanda

// Turning the main window's Qt events into calls of the window's event routing: keys,
// mouse presses, focus moves, What's-This, the close box and state changes.

#include "ui/windows/binding_parts_qt.h"
#include "ui/windows/keymap_qt.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>
#include <QWhatsThis>

namespace tikanda {

using form::Control;
using form::Kind;
using form::MenuItem;

namespace {

int mouseButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}


// The access key of a caption ("st&opky" -> 'O'), or a null character.
QChar accessKey(const std::string& caption) {
    const QString c = qs(caption);
    for (int i = 0; i + 1 < c.size(); ++i) {
        if (c[i] != QLatin1Char('&')) continue;
        if (c[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return c[i + 1].toUpper();
    }
    return {};
}

bool isAccessKeyPress(const QKeyEvent& k) {
    const auto mods = k.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                                       Qt::MetaModifier);
    return (mods == Qt::AltModifier || mods == (Qt::AltModifier | Qt::ShiftModifier)) &&
           ((k.key() >= Qt::Key_A && k.key() <= Qt::Key_Z) ||
            (k.key() >= Qt::Key_0 && k.key() <= Qt::Key_9));
}

QChar keyChar(const QKeyEvent& k) {
    return QChar(char16_t(k.key())).toUpper();
}

} // namespace

// ---- Events ----------------------------------------------------------------------------

void TikandaBinding::windowStateChanged(bool minimised) {
    m_w.windowStateChanged(minimised ? 1 : 0);
    sync();
}

bool TikandaBinding::closeRequested() {
    const bool close = m_w.closeRequested();
    sync();
    // The main window closing ends the program, as its unloading does.
    if (close) QCoreApplication::quit();
    return close;
}

void TikandaBinding::focusChanged(QWidget* old, QWidget* now) {
    // A text field drops its selection when it loses the focus, and the get-focus
    // handler sets it anew: the model's selection is brought in again at the next sync.
    // A combo box selects its whole text when it gets the focus, as on Windows.
    if (Control* c = old ? controlOf(old) : nullptr) m_byControl.at(c)->selStart = -1;
    if (Control* c = now ? controlOf(now) : nullptr) {
        Bound& b = *m_byControl.at(c);
        if (b.combo && b.combo->lineEdit() && old != now) {
            b.combo->lineEdit()->selectAll();
            b.selStart = c->SelStart;
            b.selLength = c->SelLength;
        } else {
            b.selStart = -1;
        }
    }
    // The moves sync() makes itself (Qt moving the focus off a widget it disables or
    // hides, then onto the model's control) are no news to the model.
    if (m_syncing || !now || now->window() != m_window.get()) return;
    Control* c = controlOf(now);
    if (c == m_w.ActiveControl) return;
    // The user moved the focus between controls (Tab, a click on a field, an access
    // key): the model moves it, running the leave and get-focus handlers. Any other move
    // is undone by sync(): the focus coming back from another window (the alarm window,
    // a message box, a dialog) is no move between controls, What's-This mode moves
    // nothing, and the model alone says where the focus is. Only the very first focus of
    // the window, before the model has any, counts as a move.
    const bool fromInside = old && old->window() == m_window.get();
    if (c && !QWhatsThis::inWhatsThisMode() && (fromInside || !m_w.ActiveControl))
        m_w.SetFocus(*c);
    sync();
}

bool TikandaBinding::isKeyTarget(const QWidget* w) const {
    if (w->window() != m_window.get()) return false;
    QWidget* focus = QApplication::focusWidget();
    if (w == focus) return true;
    QWidget* windowFocus = m_window->focusWidget();
    if (w == windowFocus) return true;
    return w == m_window.get() && !windowFocus && !focus;
}

bool TikandaBinding::eventFilter(QObject* obj, QEvent* e) {
    switch (e->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (!obj->isWidgetType()) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (auto* menu = qobject_cast<QMenu*>(obj))
            return m_items.count(menu->menuAction()) ? handleMenuKey(menu, k) : false;
        auto* w = static_cast<QWidget*>(obj);
        if (!isKeyTarget(w)) return false;
        return handleKey(w, k);
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        if (!obj->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(obj);
        if (w->window() != m_window.get()) {
            if (m_toolbarPressed && e->type() == QEvent::MouseButtonRelease)
                toolbarReleasedElsewhere(static_cast<QMouseEvent*>(e));
            return false;
        }
        return handleMouse(w, static_cast<QMouseEvent*>(e),
                           e->type() != QEvent::MouseButtonRelease);
    }
    case QEvent::WhatsThis:
    case QEvent::QueryWhatsThis: {
        if (!obj->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(obj);
        if (w->window() != m_window.get()) return false;
        return handleWhatsThis(w, e);
    }
    default:
        return false;
    }
}

MenuItem* TikandaBinding::activeShortcut(const QKeyEvent& k) const {
    const auto mods = k.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                                       Qt::MetaModifier);
    for (const Shortcut& s : m_shortcuts) {
        if (s.key != k.key() || s.modifiers != mods) continue;
        // Active while the item is enabled and visible and its menu shows in the bar.
        bool active = s.item->Enabled && s.item->Visible;
        const MenuItem* top = s.item;
        for (const MenuItem* p = s.item->Parent; p; p = p->Parent) {
            active = active && p->Visible;
            top = p;
        }
        if (active && m_menus.count(top)) return s.item;
    }
    return nullptr;
}

Control* TikandaBinding::accessKeyControl(const QKeyEvent& k) const {
    if (!isAccessKeyPress(k)) return nullptr;
    const QChar key = keyChar(k);
    for (Control* c : m_w.controls) {
        if (c->kind != Kind::OptionButton && c->kind != Kind::CommandButton) continue;
        if (!c->effectivelyEnabled() || !c->effectivelyVisible()) continue;
        if (accessKey(c->Caption) == key) return c;
    }
    return nullptr;
}

QMenu* TikandaBinding::accessKeyMenu(const QKeyEvent& k) const {
    if (!isAccessKeyPress(k) || m_menuBar->isHidden()) return nullptr;
    const QChar key = keyChar(k);
    for (const auto& [item, menu] : m_menus)
        if (item->Visible && item->Enabled && accessKey(item->Caption) == key) return menu;
    return nullptr;
}

bool TikandaBinding::handleKey(QWidget* target, QKeyEvent* k) {
    Control* focused = controlOf(target);
    const int vk = virtualKey(*k);
    const int shift = shiftState(k->modifiers());

    if (k->type() == QEvent::ShortcutOverride) {
        // Keys the window takes for itself before the focused widget (a text field's own
        // Ctrl+Z or Ctrl+V gives way to the menu's shortcut).
        if (activeShortcut(*k) || accessKeyControl(*k) || accessKeyMenu(*k) ||
            (k->key() == Qt::Key_F1 && k->modifiers() == Qt::ShiftModifier)) {
            k->accept();
            return true;
        }
        return false;
    }

    if (k->type() == QEvent::KeyRelease) {
        // Key preview: the window sees every key release, once (no auto-repeat); only
        // releases of keys pressed in it come here (KeyReleaseGuard).
        if (k->isAutoRepeat() || vk == 0) return false;
        m_w.keyUp(focused, vk, shift);
        sync();
        return false;
    }

    // Key press.
    if (MenuItem* item = activeShortcut(*k)) {
        m_w.menuClick(*item);
        sync();
        return true;
    }
    if (Control* c = accessKeyControl(*k)) {
        QWidget* w = widget(*c);
        if (c->kind == Kind::OptionButton) w->setFocus(Qt::ShortcutFocusReason);
        m_w.click(*c);
        sync();
        return true;
    }
    if (QMenu* menu = accessKeyMenu(*k)) {
        m_menuBar->setActiveAction(menu->menuAction());
        return true;
    }
    if (k->key() == Qt::Key_F1 && k->modifiers() == Qt::ShiftModifier) {
        QWhatsThis::enterWhatsThisMode();
        return true;
    }
    if (vk) {
        m_w.keyDown(focused, vk, shift);
        sync();
    }
    if (!focused || QApplication::focusWidget() != target) return false;

    const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
    if (focused->kind == Kind::TextBox) {
        int ascii = 0;
        if (enter)
            ascii = 13;
        else if (k->key() == Qt::Key_Backspace)
            ascii = 8;
        else if (k->key() == Qt::Key_Escape)
            ascii = 27;
        else if (!k->text().isEmpty() && k->text()[0].unicode() >= 32 &&
                 !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            ascii = k->text()[0].unicode();
        if (ascii && !m_w.keyPress(*focused, ascii)) {
            sync();
            return true; // swallowed
        }
    } else if (focused->kind == Kind::ComboBox && enter) {
        return true; // the edit field keeps its text; the window's key handling acts on Enter
    } else if (focused->kind == Kind::CommandButton && enter) {
        if (auto* button = qobject_cast<QPushButton*>(widget(*focused))) button->click();
        return true;
    }
    return false;
}

bool TikandaBinding::handleMenuKey(QMenu* menu, QKeyEvent* k) {
    if (k->key() != Qt::Key_F1 || k->modifiers() != Qt::NoModifier) return false;
    if (k->type() == QEvent::ShortcutOverride) {
        k->accept();
        return true;
    }
    if (k->type() != QEvent::KeyPress) return true;
    MenuItem* item = itemOf(menu->activeAction());
    if (!item || item->Caption == "-") return true;
    // Context help of the highlighted item instead of the Index shortcut.
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_w.menuContextHelp(*item);
    sync();
    return true;
}

bool TikandaBinding::handleMouse(QWidget* target, QMouseEvent* m, bool press) {
    Control* c = controlOf(target);
    if (!c) return false;
    Bound* b = m_byControl.at(c);
    const int button = mouseButton(m->button());
    const int shift = shiftState(m->modifiers());
    const QPoint p = b->client->mapFromGlobal(m->globalPosition().toPoint());
    const float x = float(p.x() * 15), y = float(p.y() * 15);
    const bool onToolbar = c == &m_w.tlbCas;

    if (target == b->w || target == b->client) {
        // An event that a child widget passed on to its container was that child's (and
        // was handled there, or belongs to no control).
        QWidget* child = b->client->childAt(p);
        if (child && child != target) return true;
    }
    if (!press) {
        if (!onToolbar || button == 0) return false;
        m_toolbarPressed = false;
        // The button's own click comes first, then the toolbar's mouse-up.
        bool handled = false;
        if (target != m_toolbar) handled = static_cast<QObject*>(target)->event(m);
        m_w.mouseUp(*c, button, shift, x, y);
        sync();
        return handled || target != m_toolbar;
    }
    if (button == 0) return false;
    const bool isButton = c->kind == Kind::CommandButton || c->kind == Kind::OptionButton;
    // Only a left press gives a button the focus (their widgets take no click focus of
    // their own): through the model, so the leave handler of the field left runs first.
    if (isButton && button == 1) {
        m_w.SetFocus(*c);
        sync();
    }
    if (onToolbar) m_toolbarPressed = true;
    m_w.mouseDown(*c, button, shift, x, y);
    sync();
    // A right or middle press on a button is the window's alone (What's-This help, or
    // nothing): the button neither goes down nor is chosen.
    if (isButton && button != 1) return true;
    // Controls that do nothing with the press themselves keep it from their container.
    switch (c->kind) {
    case Kind::Label:
    case Kind::PictureBox:
    case Kind::Frame:
        return true;
    default:
        return false;
    }
}

void TikandaBinding::toolbarReleasedElsewhere(QMouseEvent* m) {
    // A press on the toolbar that opened a pop-up (its What's-This help) sends the
    // release to the pop-up: the toolbar gets its mouse-up all the same.
    m_toolbarPressed = false;
    m_w.mouseUp(m_w.tlbCas, mouseButton(m->button()), shiftState(m->modifiers()), 0, 0);
    sync();
}

bool TikandaBinding::handleWhatsThis(QWidget* target, QEvent* e) {
    Control* c = controlOf(target);
    if (!c) return false;
    int topic = 0;
    for (const Control* t = c; t && !topic; t = t->Container)
        topic = t->WhatsThisHelpID;
    if (e->type() == QEvent::QueryWhatsThis) {
        e->setAccepted(topic != 0);
        return topic != 0;
    }
    if (topic == 0) return false;
    e->accept();
    m_w.services().help.showWhatsThis(topic, c);
    sync();
    return true;
}

} // namespace tikanda

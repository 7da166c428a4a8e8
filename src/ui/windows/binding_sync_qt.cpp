// Keeping the widgets in step with the form model after every event and tick.

#include "ui/windows/binding_parts_qt.h"
#include "ui/colours/colour_qt.h"
#include "ui/windows/splash_qt.h"
#include "ui/windows/window_system_qt.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

namespace tikanda {

using form::Control;
using form::Kind;
using form::MenuItem;

namespace {

// UTF-8 byte offset to a character offset within s.
int characters(const std::string& s, int bytes) {
    bytes = std::clamp(bytes, 0, int(s.size()));
    int n = 0;
    for (int i = 0; i < bytes; ++i)
        if ((static_cast<unsigned char>(s[std::size_t(i)]) & 0xC0) != 0x80) ++n;
    return n;
}

void setForeground(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    if (w->palette().color(QPalette::Active, role) == c) return;
    QPalette p = w->palette();
    // The disabled look stays the style's, as a disabled control's text is greyed.
    p.setColor(QPalette::Active, role, c);
    p.setColor(QPalette::Inactive, role, c);
    w->setPalette(p);
}

} // namespace

// ---- Sync ------------------------------------------------------------------------------

void TikandaBinding::sync() {
    if (m_syncing) return;
    m_syncing = true;
    for (auto& b : m_bound)
        syncControl(*b);
    syncToolbar();
    syncMenus();
    syncPanel();
    syncWindow();
    m_splash->sync();
    syncFocus();
    m_syncing = false;
    if (m_windows) m_windows->syncAlarmWindow();
}

void TikandaBinding::syncControl(Bound& b) {
    const Control& c = *b.c;
    QWidget* w = b.w;

    // Texts first: a label that sizes to its text needs it for its place.
    if (b.label) {
        const QString t = qs(c.Caption);
        if (b.label->text() != t) b.label->setText(t);
        setForeground(b.label, QPalette::WindowText, toQColor(c.ForeColor));
    } else if (b.edit) {
        const QString t = qs(c.Text);
        if (b.edit->text() != t) {
            b.edit->setText(t);
            b.selStart = -1;
        }
        if (c.SelStart != b.selStart || c.SelLength != b.selLength) applySelection(b);
        setForeground(b.edit, QPalette::Text, toQColor(c.ForeColor));
        setForeground(b.edit, QPalette::Base, toQColor(c.BackColor));
    } else if (b.combo) {
        if (c.Visible && !b.combo->isEditable()) editableCombo(b);
        if (!b.itemsSet || b.items != c.Items) {
            b.combo->clear();
            for (const auto& item : c.Items)
                b.combo->addItem(qs(item));
            b.items = c.Items;
            b.itemsSet = true;
            b.selStart = -1;
        }
        const QString t = qs(c.Text);
        if (b.combo->isEditable() && b.combo->currentText() != t) {
            b.combo->setEditText(t);
            b.selStart = -1;
        }
        if (c.SelStart != b.selStart || c.SelLength != b.selLength) applySelection(b);
    } else if (b.radio) {
        const QString t = qs(c.Caption);
        if (b.radio->text() != t) b.radio->setText(t);
        if (b.radio->isChecked() != c.Value) {
            if (!c.Value) b.radio->setAutoExclusive(false);
            b.radio->setChecked(c.Value);
            b.radio->setAutoExclusive(true);
        }
    } else if (b.button) {
        const QString t = qs(c.Caption);
        if (b.button->text() != t) b.button->setText(t);
    } else if (b.frame) {
        const QString t = qs(c.Caption);
        if (b.frame->title() != t) b.frame->setTitle(t);
    } else if (b.picture) {
        b.picture->setImage(imageResource(c.Picture));
    }
    if (&c == &m_w.picGreen && m_panel) m_panel->setBackground(toQColor(c.BackColor));

    // Place.
    QRect r = pixels(c.place);
    if (b.label && c.AutoSize) r.setSize(b.label->sizeHint());
    if (b.radio && w->parentWidget()) {
        // Today's fonts are wider than the bitmap dialog font the places were made for:
        // an option button grows to its caption, as far as its frame allows.
        const int room = w->parentWidget()->width() - r.left() - 2;
        r.setWidth(std::max(r.width(), std::min(b.radio->sizeHint().width(), room)));
    }
    if (w->geometry() != r) w->setGeometry(r);

    // Tooltip, shown to a screen reader as the description.
    const QString tip = qs(c.ToolTipText);
    if (w->toolTip() != tip) {
        w->setToolTip(tip);
        w->setAccessibleDescription(tip);
    }

    if (w->isEnabled() != c.Enabled && w->isEnabledTo(w->parentWidget()) != c.Enabled)
        w->setEnabled(c.Enabled);
    if (w->isHidden() == c.Visible) w->setVisible(c.Visible);
}

void TikandaBinding::applySelection(Bound& b) {
    QLineEdit* edit = b.edit ? b.edit : b.combo ? b.combo->lineEdit() : nullptr;
    // Only the focused field shows a selection; the others get theirs with the focus.
    if (!edit || controlOf(m_window->focusWidget()) != b.c) return;
    const Control& c = *b.c;
    const int start = characters(c.Text, c.SelStart);
    const int length = characters(c.Text, c.SelStart + c.SelLength) - start;
    if (length > 0)
        edit->setSelection(start, length);
    else
        edit->setCursorPosition(start);
    b.selStart = c.SelStart;
    b.selLength = c.SelLength;
}

void TikandaBinding::syncToolbar() {
    const auto& buttons = m_w.tlbCas.Buttons;
    for (std::size_t i = 0; i < buttons.size() && i < m_toolbarEntries.size(); ++i) {
        const form::ToolButton& tb = buttons[i];
        QAction* a = m_toolbarEntries[i];
        if (a->isVisible() != tb.Visible) a->setVisible(tb.Visible);
        if (tb.Style == form::ButtonStyle::Separator) continue;
        if (a->isEnabled() != tb.Enabled) a->setEnabled(tb.Enabled);
        if (a->isCheckable() && a->isChecked() != (tb.Value == 1)) a->setChecked(tb.Value == 1);
        const QString image = qs(tb.Image);
        if (a->property("imageKey").toString() != image) {
            a->setIcon(toolIcon(imageResource(tb.Image)));
            a->setProperty("imageKey", image);
        }
        const QString tip = qs(tb.ToolTipText);
        if (a->toolTip() != tip) a->setToolTip(tip);
    }
}

void TikandaBinding::syncMenus() {
    for (auto& [item, a] : m_actions) {
        const bool top = m_menus.count(item) != 0;
        if (item->Caption != "-") {
            QString text = qs(item->Caption);
            if (!item->Shortcut.empty())
                text +=
                    QLatin1Char('\t') + QKeySequence(qs(item->Shortcut), QKeySequence::PortableText)
                                            .toString(QKeySequence::NativeText);
            if (a->text() != text) a->setText(text);
        }
        if (!top && a->isCheckable() != item->Checked) a->setCheckable(item->Checked);
        if (a->isChecked() != item->Checked) a->setChecked(item->Checked);
        if (a->isEnabled() != item->Enabled) a->setEnabled(item->Enabled);
        if (a->isVisible() != item->Visible) a->setVisible(item->Visible);
    }
    bool anyMenu = false;
    for (auto& [item, menu] : m_menus)
        anyMenu = anyMenu || item->Visible;
    if (m_menuBar->isHidden() == anyMenu) m_menuBar->setVisible(anyMenu);
}

void TikandaBinding::syncPanel() {
    // The painted parts of the panel: the dial shape and the four lines.
    std::string state;
    for (const Control* c :
         {&m_w.shpCifernik, &m_w.linAlarm, &m_w.linSec, &m_w.linMin, &m_w.linHod}) {
        state += c->Visible ? '1' : '0';
        for (double v : {double(c->X1), double(c->Y1), double(c->X2), double(c->Y2),
                         double(c->ForeColor), double(c->BackColor), double(c->BorderWidth)})
            state += std::to_string(v) + ',';
        state += ';';
    }
    if (state == m_dialState || !m_panel) return;
    m_dialState = state;
    m_panel->client()->update();
}

void TikandaBinding::syncWindow() {
    QMainWindow& win = *m_window;
    const QString caption = qs(m_w.Caption);
    if (win.windowTitle() != caption) win.setWindowTitle(caption);

    // Height counts the menu bar as 300 twips: hiding the menu bar keeps the client area
    // unless Height is reduced along with it.
    const int inner = twipsToPixels(m_w.Height + kMenuBarTwips);
    const QSize size(twipsToPixels(m_w.place.width), inner);
    if (win.size() != size || win.minimumSize() != size || win.maximumSize() != size)
        win.setFixedSize(size);

    if (m_w.Visible && win.isHidden()) {
        if (!m_shownOnce)
            if (QScreen* s = QGuiApplication::primaryScreen())
                win.move(s->availableGeometry().center() -
                         QPoint(size.width() / 2, size.height() / 2));
        m_shownOnce = true;
        if (m_w.WindowState == 1)
            win.showMinimized();
        else
            win.show();
    } else if (!m_w.Visible && !win.isHidden()) {
        win.hide();
    }
    if (!win.isHidden()) {
        const bool minimised = win.windowState() & Qt::WindowMinimized;
        if (m_w.WindowState == 1 && !minimised)
            win.showMinimized();
        else if (m_w.WindowState == 0 && minimised)
            win.showNormal();
    }
    if (m_w.activateRequests != m_activateSeen) {
        m_activateSeen = m_w.activateRequests;
        if (!win.isHidden()) {
            win.raise();
            win.activateWindow();
        }
    }
}

void TikandaBinding::syncFocus() {
    // The model says where the focus is; Qt follows.
    Control* want = m_w.ActiveControl;
    QWidget* has = m_window->focusWidget();
    if (!want) {
        // No control holds it: the window keeps the focus itself (its keys still reach
        // the window's key handling).
        if (has && controlOf(has)) m_window->setFocus(Qt::OtherFocusReason);
        return;
    }
    QWidget* w = widget(*want);
    if (!w) return;
    if (has && controlOf(has) == want) return;
    // The model gives the focus only to a control that can hold it. In a window that is
    // not active the widget becomes the one focused when the window is activated.
    if (!w->isEnabled() || !w->isVisibleTo(m_window.get())) return;
    w->setFocus(Qt::OtherFocusReason);
    Bound& b = *m_byControl.at(want);
    if (!b.combo) applySelection(b); // the get-focus handler's selection
}

} // namespace tikanda

#include "ui/windows/binding_qt.h"

#include "ui/colours/colour_qt.h"
#include "ui/windows/controls_qt.h"
#include "ui/windows/keymap_qt.h"
#include "ui/windows/splash_qt.h"
#include "ui/windows/window_system_qt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>

#include <algorithm>
#include <cmath>
#include <functional>

namespace tikanda {

using form::Control;
using form::Kind;
using form::MenuItem;

namespace {

// The menu bar's height: the window's Height counts it as 300 twips.
constexpr int kMenuBarTwips = 300;
constexpr int kToolButtonWidth = 24, kToolButtonHeight = 22;
constexpr int kToolSeparatorWidth = 8;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QRect pixels(const form::Rect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

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

QFont dialogFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8);
    // Semi-condensed, the width of the bitmap dialog font the window's places were made
    // for (Qt narrows the font itself where no condensed face is installed).
    f.setStretch(QFont::SemiCondensed);
    return f;
}

int twipsToPixels(double twips) {
    return int(std::lround(twips / 15.0));
}

Qt::Alignment labelAlignment(form::Align a) {
    switch (a) {
    case form::Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case form::Align::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

// ---------------------------------------------------------------------------------------

class MainWindowQt : public QMainWindow {
public:
    explicit MainWindowQt(TikandaBinding& b) : m_binding(b) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        if (m_binding.closeRequested())
            e->accept();
        else
            e->ignore();
    }
    void changeEvent(QEvent* e) override {
        QMainWindow::changeEvent(e);
        if (e->type() == QEvent::WindowStateChange)
            m_binding.windowStateChanged(windowState() & Qt::WindowMinimized);
    }

private:
    TikandaBinding& m_binding;
};

struct TikandaBinding::Bound {
    Control* c = nullptr;
    QWidget* w = nullptr;
    QWidget* client = nullptr; // where children go and mouse positions are measured
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    QComboBox* combo = nullptr;
    QRadioButton* radio = nullptr;
    QPushButton* button = nullptr;
    QGroupBox* frame = nullptr;
    PictureQt* picture = nullptr;
    // What the widget shows of the model's text and selection, as last brought in step.
    int selStart = -1, selLength = -1;
    std::vector<std::string> items;
    bool itemsSet = false;
};

TikandaBinding::TikandaBinding(FrmTikanda& w, QtWindowSystem* windows)
    : m_w(w), m_windows(windows), m_window(std::make_unique<MainWindowQt>(*this)),
      m_splash(std::make_unique<SplashWindowQt>(w.frmSplash)) {
    build();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* old, QWidget* now) { focusChanged(old, now); });
    if (m_windows) m_windows->setSync([this] { sync(); });
    m_activateSeen = m_w.activateRequests;
    sync();
}

TikandaBinding::~TikandaBinding() {
    qApp->removeEventFilter(this);
    if (m_windows) m_windows->setSync({});
    disconnect(qApp, nullptr, this, nullptr);
    // The widgets go before the toolbar's style they use.
    m_window.reset();
    m_splash.reset();
}

QMainWindow* TikandaBinding::window() const {
    return m_window.get();
}
QWidget* TikandaBinding::splashWindow() const {
    return m_splash.get();
}

QWidget* TikandaBinding::widget(const Control& c) const {
    auto it = m_byControl.find(&c);
    return it == m_byControl.end() ? nullptr : it->second->w;
}

Control* TikandaBinding::controlOf(const QWidget* w) const {
    for (; w; w = w->parentWidget()) {
        auto it = m_controlOf.find(w);
        if (it != m_controlOf.end()) return it->second;
        if (w == m_window.get()) break;
    }
    return nullptr;
}

QAction* TikandaBinding::action(const MenuItem& m) const {
    auto it = m_actions.find(&m);
    return it == m_actions.end() ? nullptr : it->second;
}

MenuItem* TikandaBinding::itemOf(const QAction* a) const {
    auto it = m_items.find(a);
    return it == m_items.end() ? nullptr : it->second;
}

QToolButton* TikandaBinding::toolButton(const std::string& key) const {
    auto it = m_buttons.find(key);
    if (it == m_buttons.end()) return nullptr;
    return qobject_cast<QToolButton*>(m_toolbar->widgetForAction(it->second));
}

QPoint TikandaBinding::screenPosition(const Control* c) const {
    const Control* owner = c;
    while (owner && !widget(*owner))
        owner = owner->Container; // painted parts: their panel
    QWidget* w = owner ? widget(*owner) : nullptr;
    if (!w || !w->isVisible()) return QCursor::pos();
    return w->mapToGlobal(QPoint(w->width() / 2, w->height()));
}

// ---- Building --------------------------------------------------------------------------

void TikandaBinding::build() {
    QMainWindow& win = *m_window;
    win.setObjectName(QStringLiteral("frmTikanda"));
    // A fixed dialog frame: title, system menu, close box and the What's-This button; no
    // minimise or maximise box (the program minimises itself).
    win.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                       Qt::WindowContextHelpButtonHint);
    win.setFont(dialogFont());
    // Windows show the application's icon where main() has set one (as drawn once).
    if (QApplication::windowIcon().isNull()) win.setWindowIcon(appIcon());
    win.setContextMenuPolicy(Qt::PreventContextMenu);
    win.setWindowTitle(qs(m_w.Caption));

    m_central = new QWidget(&win);
    m_central->setObjectName(QStringLiteral("client"));
    win.setCentralWidget(m_central);

    for (Control* c : m_w.controls)
        buildControl(*c);
    buildToolbar();
    buildMenus();
    setTabOrder();
}

QWidget* TikandaBinding::parentFor(const Control& c) const {
    if (!c.Container) return m_central;
    auto it = m_byControl.find(c.Container);
    if (it == m_byControl.end()) return m_central;
    return it->second->client;
}

void TikandaBinding::buildControl(Control& c) {
    if (c.kind == Kind::Line || c.kind == Kind::Shape) return; // painted by the panel
    auto b = std::make_unique<Bound>();
    b->c = &c;
    QWidget* parent = parentFor(c);
    switch (c.kind) {
    case Kind::Label: {
        auto* l = new QLabel(parent);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(labelAlignment(c.Alignment));
        l->setWordWrap(c.WordWrap);
        if (c.Bold) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        b->label = l;
        b->w = l;
        break;
    }
    case Kind::TextBox: {
        auto* e = new QLineEdit(parent);
        e->setAlignment(c.Alignment == form::Align::Right ? Qt::AlignRight | Qt::AlignVCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
        e->setMaxLength(c.MaxLength > 0 ? c.MaxLength : 32767);
        e->setAccessibleName(qs(c.ToolTipText));
        e->setContextMenuPolicy(Qt::DefaultContextMenu);
        connect(e, &QLineEdit::textEdited, this, [this, bp = b.get()](const QString& t) {
            m_w.textEdited(*bp->c, t.toStdString());
            bp->selStart = bp->c->SelStart;
            bp->selLength = bp->c->SelLength;
            sync();
        });
        b->edit = e;
        b->w = e;
        break;
    }
    case Kind::ComboBox: {
        auto* cb = new QComboBox(parent);
        cb->setEditable(true);
        cb->setCompleter(nullptr); // the text exactly as typed: no completion, no case change
        cb->setInsertPolicy(QComboBox::NoInsert);
        cb->setDuplicatesEnabled(true);
        cb->setMaxVisibleItems(10);
        cb->setAccessibleName(qs(c.ToolTipText));
        cb->lineEdit()->setContextMenuPolicy(Qt::DefaultContextMenu);
        if (c.MaxLength > 0) cb->lineEdit()->setMaxLength(c.MaxLength);
        connect(cb->lineEdit(), &QLineEdit::textEdited, this,
                [this, bp = b.get()](const QString& t) {
                    m_w.textEdited(*bp->c, t.toStdString());
                    bp->selStart = bp->c->SelStart;
                    bp->selLength = bp->c->SelLength;
                    sync();
                });
        connect(cb, &QComboBox::activated, this, [this, bp = b.get()](int index) {
            if (m_syncing) return;
            m_w.textEdited(*bp->c, bp->combo->itemText(index).toStdString());
            sync();
        });
        b->combo = cb;
        b->w = cb;
        break;
    }
    case Kind::OptionButton: {
        auto* r = new QRadioButton(parent);
        connect(r, &QRadioButton::clicked, this, [this, bp = b.get()] {
            m_w.click(*bp->c);
            sync();
        });
        b->radio = r;
        b->w = r;
        break;
    }
    case Kind::CommandButton: {
        auto* p = new QPushButton(parent);
        p->setAutoDefault(false);
        p->setDefault(false);
        connect(p, &QPushButton::clicked, this, [this, bp = b.get()] {
            m_w.click(*bp->c);
            sync();
        });
        b->button = p;
        b->w = p;
        break;
    }
    case Kind::Frame: {
        auto* g = new QGroupBox(parent);
        g->setFocusPolicy(Qt::NoFocus);
        b->frame = g;
        b->w = g;
        break;
    }
    case Kind::PictureBox: {
        if (&c == &m_w.picGreen) {
            m_panel = new DisplayPanelQt(m_w, parent);
            m_panel->setAccessibleName(QStringLiteral("Displej"));
            m_controlOf[m_panel->client()] = &c;
            b->w = m_panel;
            b->client = m_panel->client();
        } else if (!c.Picture.empty()) {
            auto* p = new PictureQt(parent);
            p->setImage(imageResource(c.Picture));
            p->setAccessibleName(c.Picture == "Majak" ? QStringLiteral("Maják") : qs(c.Picture));
            b->picture = p;
            b->w = p;
        } else {
            b->w = new QWidget(parent);
        }
        break;
    }
    case Kind::SpinButton: {
        auto* s = new SpinButtonQt(parent);
        s->setAccessibleName(qs(c.ToolTipText));
        s->onStep = [this, &c](int delta) {
            m_w.spin(c, delta);
            sync();
        };
        b->w = s;
        break;
    }
    case Kind::Toolbar: {
        m_toolbar = new QToolBar(parent);
        b->w = m_toolbar;
        break;
    }
    default:
        return;
    }
    if (!b->client) b->client = b->w;
    b->w->setObjectName(qs(c.Name));
    m_controlOf[b->w] = &c;
    m_byControl[&c] = b.get();
    m_bound.push_back(std::move(b));
}

void TikandaBinding::buildToolbar() {
    QToolBar* tb = m_toolbar;
    m_toolbarStyle = std::make_unique<ToolbarStyle>(kToolSeparatorWidth);
    tb->setStyle(m_toolbarStyle.get());
    tb->setMovable(false);
    tb->setFloatable(false);
    tb->setFocusPolicy(Qt::NoFocus);
    tb->setIconSize(QSize(16, 16));
    tb->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tb->setContentsMargins(0, 0, 0, 0);
    tb->setAccessibleName(QStringLiteral("Panel nástrojů"));
    for (auto& button : m_w.tlbCas.Buttons) {
        QAction* a = nullptr;
        if (button.Style == form::ButtonStyle::Separator) {
            a = tb->addSeparator();
            if (QWidget* sep = tb->widgetForAction(a)) {
                sep->setStyle(m_toolbarStyle.get());
                sep->setFixedWidth(kToolSeparatorWidth);
            }
        } else {
            a = tb->addAction(qs(button.ToolTipText));
            a->setObjectName(qs(button.Key));
            a->setCheckable(button.Style == form::ButtonStyle::Check);
            a->setIcon(toolIcon(imageResource(button.Image)));
            a->setProperty("imageKey", qs(button.Image));
            a->setToolTip(qs(button.ToolTipText));
            if (QWidget* w = tb->widgetForAction(a)) {
                w->setFixedSize(kToolButtonWidth, kToolButtonHeight);
                w->setObjectName(qs("tlbCas." + button.Key));
                w->setFocusPolicy(Qt::NoFocus);
            }
            const std::string key = button.Key;
            connect(a, &QAction::triggered, this, [this, key] {
                m_w.toolbarClick(key);
                sync();
            });
            m_buttons[key] = a;
        }
        m_toolbarEntries.push_back(a);
    }
    // The combo box for the alarm text lies over the buttons.
    if (QWidget* combo = widget(m_w.cboText)) combo->raise();
}

void TikandaBinding::buildMenus() {
    m_menuBar = new QMenuBar(m_window.get());
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    m_menuBar->setNativeMenuBar(false);
    m_menuBar->setFixedHeight(twipsToPixels(kMenuBarTwips));
    m_window->setMenuBar(m_menuBar);

    std::function<void(QMenu*, MenuItem&)> fill = [&](QMenu* menu, MenuItem& parent) {
        for (MenuItem* item : parent.Children) {
            QAction* a = nullptr;
            if (item->Caption == "-") {
                a = menu->addSeparator();
            } else if (!item->Children.empty()) {
                QMenu* sub = menu->addMenu(qs(item->Caption));
                sub->installEventFilter(this);
                fill(sub, *item);
                a = sub->menuAction();
            } else {
                a = menu->addAction(qs(item->Caption));
                connect(a, &QAction::triggered, this, [this, item] {
                    m_w.menuClick(*item);
                    sync();
                });
            }
            a->setObjectName(qs(item->Name));
            m_actions[item] = a;
            m_items[a] = item;
            if (!item->Shortcut.empty()) {
                const QKeySequence seq(qs(item->Shortcut), QKeySequence::PortableText);
                if (!seq.isEmpty())
                    m_shortcuts.push_back({item, seq[0].key(), seq[0].keyboardModifiers()});
            }
        }
    };
    for (MenuItem* top : m_w.menuBar) {
        // Top-level menus hidden as built serve only as pop-up menus: not in the bar.
        if (!top->Visible) continue;
        QMenu* menu = m_menuBar->addMenu(qs(top->Caption));
        menu->setObjectName(qs(top->Name));
        menu->installEventFilter(this);
        fill(menu, *top);
        m_menus[top] = menu;
        m_actions[top] = menu->menuAction();
        m_items[menu->menuAction()] = top;
    }
}

void TikandaBinding::setTabOrder() {
    std::vector<Control*> order;
    for (Control* c : m_w.controls) {
        QWidget* w = widget(*c);
        if (!w) continue;
        const bool focusable = c->kind == Kind::TextBox || c->kind == Kind::ComboBox ||
                               c->kind == Kind::OptionButton || c->kind == Kind::CommandButton;
        if (!focusable || !c->TabStop) {
            if (!focusable) w->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        order.push_back(c);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex < b->TabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widget(*order[i - 1]), widget(*order[i]));
}

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
        if (!b.itemsSet || b.items != c.Items) {
            b.combo->clear();
            for (const auto& item : c.Items)
                b.combo->addItem(qs(item));
            b.items = c.Items;
            b.itemsSet = true;
            b.selStart = -1;
        }
        const QString t = qs(c.Text);
        if (b.combo->currentText() != t) {
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
    Control* want = m_w.ActiveControl;
    if (!want) return;
    QWidget* w = widget(*want);
    if (!w) return;
    QWidget* has = m_window->focusWidget();
    if (has && controlOf(has) == want) return;
    // A hidden or disabled widget cannot take the focus. In a window that is not active
    // the widget becomes the one focused when the window is activated.
    if (!w->isEnabled() || !w->isVisibleTo(m_window.get())) return;
    w->setFocus(Qt::OtherFocusReason);
    Bound& b = *m_byControl.at(want);
    if (!b.combo) applySelection(b); // the get-focus handler's selection
}

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
        if (b.combo && old != now) {
            b.combo->lineEdit()->selectAll();
            b.selStart = c->SelStart;
            b.selLength = c->SelLength;
        } else {
            b.selStart = -1;
        }
    }
    if (m_syncing || !now || now->window() != m_window.get()) return;
    Control* c = controlOf(now);
    if (!c || c == m_w.ActiveControl) return;
    // The focus coming back from another window (the alarm window, a message box, a
    // dialog) is no change of focus between controls: no handler runs. Only the very
    // first focus of the window counts as one.
    const bool fromInside = old && old->window() == m_window.get();
    if (!fromInside && m_w.ActiveControl) return;
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
        if (w->window() != m_window.get()) return false;
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
        // Key preview: the window sees every key release, once (no auto-repeat).
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
        // The button's own click comes first, then the toolbar's mouse-up.
        bool handled = false;
        if (target != m_toolbar) handled = static_cast<QObject*>(target)->event(m);
        m_w.mouseUp(*c, button, shift, x, y);
        sync();
        return handled || target != m_toolbar;
    }
    if (button == 0) return false;
    m_w.mouseDown(*c, button, shift, x, y);
    sync();
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

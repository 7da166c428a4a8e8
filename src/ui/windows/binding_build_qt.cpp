// Building the main window's widgets from the form model: one widget per control, the
// toolbar, the menus and the tab order.

#include "ui/windows/binding_parts_qt.h"
#include "ui/colours/colour_qt.h"
#include "ui/windows/splash_qt.h"
#include "ui/windows/window_system_qt.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <functional>

namespace tikanda {

using form::Control;
using form::Kind;
using form::MenuItem;

namespace {

constexpr int kToolButtonWidth = 24, kToolButtonHeight = 22;
constexpr int kToolSeparatorWidth = 8;

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
    // The toolbar strip lies above everything else: without the toolbar layout the
    // panel moves up into the strip, and the alarm text box brought into view there for
    // an edit must be seen and take the mouse.
    m_toolbar->raise();
}

QWidget* TikandaBinding::parentFor(const Control& c) const {
    if (!c.Container) return m_central;
    auto it = m_byControl.find(c.Container);
    if (it == m_byControl.end()) return m_central;
    return it->second->client;
}

QWidget* TikandaBinding::clickable(QAbstractButton* button, Bound& b) {
    // Buttons take no click focus of their own: the binding gives it on a left press.
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QAbstractButton::clicked, this, [this, &b] {
        m_w.click(*b.c);
        sync();
    });
    return button;
}

void TikandaBinding::routeEdits(QLineEdit* edit, Bound& b) {
    // Typing goes to the model, and the field already shows the selection the model keeps
    // after it: the next sync need not set it again.
    connect(edit, &QLineEdit::textEdited, this, [this, &b](const QString& t) {
        m_w.textEdited(*b.c, t.toStdString());
        b.selStart = b.c->SelStart;
        b.selLength = b.c->SelLength;
        sync();
    });
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
        routeEdits(e, *b);
        b->edit = e;
        b->w = e;
        break;
    }
    case Kind::ComboBox: {
        // Made editable when first shown (editableCombo): its line edit and what comes
        // with it cost a start-up time the hidden box does not need.
        auto* cb = new QComboBox(parent);
        cb->setInsertPolicy(QComboBox::NoInsert);
        cb->setDuplicatesEnabled(true);
        cb->setMaxVisibleItems(10);
        cb->setAccessibleName(qs(c.ToolTipText));
        connect(cb, &QComboBox::activated, this, [this, bp = b.get()](int index) {
            if (m_syncing) return;
            m_w.textEdited(*bp->c, bp->combo->itemText(index).toStdString());
            sync();
        });
        b->combo = cb;
        b->w = cb;
        break;
    }
    case Kind::OptionButton:
        b->radio = new QRadioButton(parent);
        b->w = clickable(b->radio, *b);
        break;
    case Kind::CommandButton:
        b->button = new QPushButton(parent);
        b->button->setAutoDefault(false);
        b->button->setDefault(false);
        b->w = clickable(b->button, *b);
        break;
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

void TikandaBinding::editableCombo(Bound& b) {
    QComboBox* cb = b.combo;
    cb->setEditable(true);
    cb->setCompleter(nullptr); // the text exactly as typed: no completion, no case change
    cb->lineEdit()->setContextMenuPolicy(Qt::DefaultContextMenu);
    if (b.c->MaxLength > 0) cb->lineEdit()->setMaxLength(b.c->MaxLength);
    routeEdits(cb->lineEdit(), b);
    b.selStart = -1;
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

} // namespace tikanda

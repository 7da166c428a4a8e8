#pragma once
// The Qt binding of the main window (and of the start-up box it owns): real widgets
// built from the form model, kept in step with it by sync(), and widget events turned
// into calls of the window's event routing. The binding decides nothing itself.

#include "core/frm_tikanda.h"

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QKeyEvent;
class QLineEdit;
class QMainWindow;
class QMenu;
class QMenuBar;
class QMouseEvent;
class QToolBar;
class QToolButton;
class QWidget;

namespace tikanda {

class QtWindowSystem;
class SplashWindowQt;
class DisplayPanelQt;
class MainWindowQt;
class ToolbarStyle;

// The font of the program's windows: a small sans-serif dialog font with Czech letters.
QFont dialogFont();

// Twips to device-independent pixels (15 twips to a pixel).
int twipsToPixels(double twips);

// A label's alignment: horizontal as the model says, text from the top.
Qt::Alignment labelAlignment(form::Align a);

class TikandaBinding : public QObject {
public:
    // windows: the window system that owns the alarm window's Qt window; sync() brings
    // that window up to date as well. May be null (tests of the main window alone).
    explicit TikandaBinding(FrmTikanda& w, QtWindowSystem* windows = nullptr);
    ~TikandaBinding() override;
    TikandaBinding(const TikandaBinding&) = delete;
    TikandaBinding& operator=(const TikandaBinding&) = delete;

    // Brings every widget in step with the model: texts, tips, enabled and visible
    // states, colours, places, menus, toolbar, window caption, state, height and focus.
    void sync();

    QMainWindow* window() const;
    QWidget* splashWindow() const;
    // The widget of a control; nullptr for the painted parts (lines, the dial shape).
    QWidget* widget(const form::Control& c) const;
    // The control a widget belongs to (the widget itself or its nearest bound ancestor).
    form::Control* controlOf(const QWidget* w) const;
    // Menu items: the item's action; top-level menus: their menu action (nullptr for
    // the pop-up-only menus, which have no place in the menu bar).
    QAction* action(const form::MenuItem& m) const;
    QToolButton* toolButton(const std::string& key) const;
    QToolBar* toolBar() const { return m_toolbar; }
    QMenuBar* menuBar() const { return m_menuBar; }
    // Where a What's-This pop-up of c appears (global screen position).
    QPoint screenPosition(const form::Control* c) const;

    // Window events, forwarded by the main window's own handlers.
    void windowStateChanged(bool minimised);
    bool closeRequested();

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    struct Bound;
    struct Shortcut {
        form::MenuItem* item;
        int key;
        Qt::KeyboardModifiers modifiers;
    };

    void build();
    void buildControl(form::Control& c);
    // A button's focus policy and click route; returns the button.
    QWidget* clickable(QAbstractButton* button, Bound& b);
    // A text field's typing route to the model.
    void routeEdits(QLineEdit* edit, Bound& b);
    void editableCombo(Bound& b);
    void buildToolbar();
    void buildMenus();
    void setTabOrder();
    QWidget* parentFor(const form::Control& c) const;

    void syncControl(Bound& b);
    void applySelection(Bound& b);
    void syncToolbar();
    void syncMenus();
    void syncWindow();
    void syncFocus();
    void syncPanel();

    bool handleKey(QWidget* target, QKeyEvent* k);
    bool handleMenuKey(QMenu* menu, QKeyEvent* k);
    bool handleMouse(QWidget* target, QMouseEvent* m, bool press);
    void toolbarReleasedElsewhere(QMouseEvent* m);
    bool handleWhatsThis(QWidget* target, QEvent* e);
    void focusChanged(QWidget* old, QWidget* now);
    bool isKeyTarget(const QWidget* w) const;

    form::MenuItem* activeShortcut(const QKeyEvent& k) const;
    form::Control* accessKeyControl(const QKeyEvent& k) const;
    QMenu* accessKeyMenu(const QKeyEvent& k) const;
    form::MenuItem* itemOf(const QAction* a) const;

    FrmTikanda& m_w;
    QtWindowSystem* m_windows;
    std::unique_ptr<MainWindowQt> m_window;
    std::unique_ptr<SplashWindowQt> m_splash;
    QWidget* m_central = nullptr;
    QToolBar* m_toolbar = nullptr;
    std::unique_ptr<ToolbarStyle> m_toolbarStyle;
    QMenuBar* m_menuBar = nullptr;
    DisplayPanelQt* m_panel = nullptr;

    std::vector<std::unique_ptr<Bound>> m_bound;
    std::map<const form::Control*, Bound*> m_byControl;
    std::map<const QWidget*, form::Control*> m_controlOf;
    std::map<const form::MenuItem*, QAction*> m_actions;
    std::map<const QAction*, form::MenuItem*> m_items;
    std::map<const form::MenuItem*, QMenu*> m_menus; // top-level menus in the menu bar
    std::map<std::string, QAction*> m_buttons;       // toolbar buttons by key
    std::vector<QAction*> m_toolbarEntries;          // all eleven, separators included
    std::vector<Shortcut> m_shortcuts;

    bool m_syncing = false;
    bool m_shownOnce = false;
    bool m_toolbarPressed = false; // a press on the toolbar awaits its release
    int m_activateSeen = 0;
    std::string m_dialState; // what the panel last painted
};

} // namespace tikanda

// The Qt binding of the main window, on the offscreen platform, with the fake platform
// services and the real behaviour.

#include "ui/windows/binding_qt.h"
#include "fakes.h"
#include "ui/colours/colour_qt.h"

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include <cmath>

namespace tikanda::test {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

void key(Qt::Key k, Qt::KeyboardModifiers m = {}) {
    QTest::keyClick(QApplication::focusWidget(), k, m);
}

// The window after its start-up, active.
struct BindingRig : Rig {
    BindingRig() {
        w.Form_Load();
        b.sync();
        b.window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(b.window()));
    }
    TikandaBinding b{w};

    template <class T = QWidget> T* widget(const std::string& name) {
        return qobject_cast<T*>(b.widget(*w.find(name)));
    }
    void focus(const std::string& name) {
        widget(name)->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(w.ActiveControl, w.find(name)) << name;
    }
    QString focusName() const { return QApplication::focusWidget()->objectName(); }
};

void expectMenuMatches(BindingRig& r, const form::MenuItem& m) {
    SCOPED_TRACE(m.Name);
    QAction* a = r.b.action(m);
    ASSERT_NE(a, nullptr);
    if (m.Caption == "-")
        EXPECT_TRUE(a->isSeparator());
    else
        EXPECT_EQ(a->text(), qs(m.Caption + (m.Shortcut.empty() ? "" : "\t" + m.Shortcut)));
    if (m.Parent) EXPECT_EQ(a->isCheckable(), m.Checked); // no empty box on unchecked items
    EXPECT_EQ(a->isChecked(), m.Checked);
    EXPECT_EQ(a->isEnabled(), m.Enabled);
    EXPECT_EQ(a->isVisible(), m.Visible);
    for (const form::MenuItem* child : m.Children)
        expectMenuMatches(r, *child);
}

// Every control, toolbar button and menu item shows what its model holds.
void expectMatchesModel(BindingRig& r) {
    const auto px = [](int twips) { return int(std::lround(twips / 15.0)); };
    for (const form::Control* c : r.w.controls) {
        SCOPED_TRACE(c->Name);
        QWidget* q = r.b.widget(*c);
        if (c->kind == form::Kind::Line || c->kind == form::Kind::Shape) {
            EXPECT_EQ(q, nullptr); // painted by the panel
            continue;
        }
        ASSERT_NE(q, nullptr);
        const form::Control* parent = r.b.controlOf(q->parentWidget());
        EXPECT_EQ(parent ? parent->Name : "", c->Container ? c->Container->Name : "");
        QRect place(px(c->place.left), px(c->place.top), px(c->place.width), px(c->place.height));
        if (c->AutoSize) place.setSize(q->sizeHint());
        if (c->kind == form::Kind::OptionButton) {
            // Option buttons grow to their caption within their frame.
            EXPECT_GE(q->width(), std::max(place.width(), q->sizeHint().width()));
            EXPECT_LE(q->geometry().right(), q->parentWidget()->width());
            place.setWidth(q->width());
            EXPECT_EQ(qobject_cast<QRadioButton*>(q)->isChecked(), c->Value);
        }
        EXPECT_EQ(q->geometry(), place);
        const bool edited = c->kind == form::Kind::TextBox || c->kind == form::Kind::ComboBox;
        const char* text = qobject_cast<QComboBox*>(q)   ? "currentText"
                           : qobject_cast<QGroupBox*>(q) ? "title"
                                                         : "text";
        EXPECT_EQ(q->property(text).toString(), qs(edited ? c->Text : c->Caption));
        if (auto* label = qobject_cast<QLabel*>(q))
            EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText),
                      toQColor(c->ForeColor));
        // A screen reader hears a name for controls without a text (the bare background
        // pane needs none), and the tip.
        if (c->Caption.empty() && c != &r.w.picTikanda) EXPECT_FALSE(q->accessibleName().isEmpty());
        EXPECT_EQ(q->toolTip(), qs(c->ToolTipText));
        EXPECT_EQ(q->accessibleDescription(), qs(c->ToolTipText));
        EXPECT_EQ(q->isEnabled(), c->effectivelyEnabled());
        EXPECT_EQ(q->isHidden(), !c->Visible);
    }
    EXPECT_EQ(r.b.toolBar()->actions().size(), 11);
    for (const form::ToolButton& t : r.w.tlbCas.Buttons) {
        if (t.Style == form::ButtonStyle::Separator) continue;
        SCOPED_TRACE(t.Key);
        QToolButton* q = r.b.toolButton(t.Key);
        ASSERT_NE(q, nullptr);
        EXPECT_EQ(q->toolTip(), qs(t.ToolTipText));
        EXPECT_EQ(q->isEnabled(), t.Enabled);
        EXPECT_EQ(q->isCheckable(), t.Style == form::ButtonStyle::Check);
        EXPECT_EQ(q->isChecked(), t.Value == 1);
        EXPECT_EQ(q->defaultAction()->property("imageKey").toString(), qs(t.Image));
        EXPECT_FALSE(q->icon().pixmap(16, 16).isNull());
    }
    for (const form::MenuItem* top : r.w.menuBar) {
        if (top == &r.w.mnuBarva || top == &r.w.mnuRMB)
            EXPECT_EQ(r.b.action(*top), nullptr) << top->Name; // pop-up only
        else
            expectMenuMatches(r, *top);
    }
    EXPECT_EQ(r.b.window()->windowTitle(), qs(r.w.Caption));
}

TEST(Binding, WindowShowsTheModelAfterEveryChange) {
    BindingRig r;
    expectMatchesModel(r);
    // Client area 272 x 234 below a 20-pixel menu bar, fixed, with the "?" button.
    EXPECT_EQ(r.b.window()->centralWidget()->size(), QSize(272, 234));
    EXPECT_EQ(r.b.window()->minimumSize(), QSize(272, 254));
    EXPECT_EQ(r.b.window()->maximumSize(), QSize(272, 254));
    EXPECT_TRUE(r.b.window()->windowFlags() & Qt::WindowContextHelpButtonHint);
    auto& w = r.w;
    w.lbl2.Caption = "Alarm za:"; // sizes to its text
    w.lbl1.ForeColor = 0x0000FF;
    w.fraNastav.Enabled = false; // the fields follow their frame
    std::tie(w.optV.Value, w.optS.Value, w.mnuZvuk.Checked, w.mnuHod.Enabled) =
        std::tuple(false, true, false, false);
    w.tlbCas.button("Text").Image = "TextY";
    w.tlbCas.button("Pauza").Enabled = true;
    w.tlbCas.button("Min").Value = 1;
    w.Caption = "0:04:59 Tikanda";
    r.b.sync();
    expectMatchesModel(r);
    w.WindowState = 1;
    r.b.sync();
    EXPECT_TRUE(r.b.window()->windowState() & Qt::WindowMinimized);
    r.b.window()->showNormal(); // the window system's change reaches Form_Resize
    EXPECT_EQ(w.WindowState, 0);
}

TEST(Binding, KeysGoThroughTheHandlersShortcutsActWhateverHasTheFocusAndButtonsPress) {
    BindingRig r;
    r.focus("txtHod");
    QTest::keyClicks(QApplication::focusWidget(), "123");
    // The third character keeps the last two and moves on; the new field is selected.
    EXPECT_EQ(r.widget<QLineEdit>("txtHod")->text(), "23");
    EXPECT_EQ(r.widget<QLineEdit>("txtMin")->selectedText(), "00");
    QStringList seen{r.focusName()};
    for (int i = 0; i < 5; ++i) {
        key(Qt::Key_Tab);
        seen << r.focusName();
    }
    EXPECT_EQ(seen, QStringList({"txtMin", "txtSec", "optV", "cmdOK", "cmdStorno", "txtHod"}));
    // The field's own undo gives way to the menu's Ctrl+Z (the sound switch).
    QTest::keyClicks(QApplication::focusWidget(), "7");
    const bool sound = r.w.mnuZvuk.Checked;
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(r.widget<QLineEdit>("txtHod")->text(), "7");
    EXPECT_NE(r.w.mnuZvuk.Checked, sound);
    // Focus to another window and back is no focus change: leaving would pad it to "07".
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    r.b.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(r.b.window()));
    EXPECT_EQ(r.w.txtHod.Text, "7");
    EXPECT_EQ(r.focusName(), "txtHod");
    r.w.mnuP.Enabled = false; // a disabled item's shortcut does nothing
    r.b.sync();
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(r.w.optV.Value);
    key(Qt::Key_O, Qt::AltModifier); // the option's access key
    EXPECT_EQ(r.w.lbl2.Caption, "Stopky:");
    EXPECT_EQ(r.focusName(), "optS");
    // The spin button's upper and lower halves step its field.
    QWidget* spin = r.widget("updMin");
    for (auto [y, text] : {std::pair{3, "01"}, {spin->height() - 3, "00"}}) {
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, y));
        EXPECT_EQ(r.widget<QLineEdit>("txtMin")->text(), text);
    }
    // Enter or Space presses the focused button: start the stopwatch; after a pause, resume.
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Space}) {
        r.focus("cmdOK");
        key(k);
        EXPECT_EQ(r.w.RunState, 1) << k;
        r.w.cmdStorno_Click();
        r.b.sync();
        ASSERT_EQ(r.w.RunState, 2);
    }
}

TEST(Binding, RightPressesAndHelpKeysGiveTheTopics) {
    BindingRig r;
    // The toolbar's topic follows the pointer while pressed; a right press is no click.
    QToolButton* zvuk = r.b.toolButton("Zvuk");
    const int value = r.w.tlbCas.button("Zvuk").Value;
    QTest::mousePress(zvuk, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(r.w.tlbCas.WhatsThisHelpID, 11035); // x = (104 + 5) * 15 = 1635
    QTest::mouseRelease(zvuk, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, value);
    QTest::mouseClick(zvuk, Qt::LeftButton); // a left click toggles it once
    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 1 - value);
    // Beside an option's caption the press is the option's, not its frame's menu.
    QWidget* opt = r.widget("optZa");
    QTest::mouseClick(opt, Qt::RightButton, {}, QPoint(opt->width() - 2, opt->height() / 2));
    EXPECT_TRUE(r.popups.shown.empty());
    EXPECT_EQ(r.help.whatsThis.back(), std::make_pair(14030, std::string("optZa")));
    // Shift+F1 is What's-This mode, whose events reach the handlers.
    key(Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
    QWidget* dot = r.widget("lblTecky(0)");
    QHelpEvent e(QEvent::WhatsThis, QPoint(1, 1), dot->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(dot, &e);
    EXPECT_EQ(r.help.whatsThis.back(), std::make_pair(13010, std::string("lblTecky(0)")));
    // F1 on a highlighted menu item opens its context topic, not the Index.
    QMenu* menu = r.b.action(r.w.mnuNastaveni)->menu();
    menu->popup(r.b.window()->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(r.b.action(r.w.mnuZvuk));
    QTest::keyClick(menu, Qt::Key_F1);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(r.help.topics, std::vector<int>{13050});
    EXPECT_EQ(r.help.contents, 0);
}

} // namespace
} // namespace tikanda::test

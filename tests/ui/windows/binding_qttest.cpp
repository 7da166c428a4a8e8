// The main window's Qt binding on the offscreen platform: fake services, real behaviour.

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
        if (c->kind == form::Kind::Line || c->kind == form::Kind::Shape) continue; // painted
        ASSERT_NE(q, nullptr);
        const form::Control* parent = r.b.controlOf(q->parentWidget());
        EXPECT_EQ(parent ? parent->Name : "", c->Container ? c->Container->Name : "");
        QRect place(px(c->place.left), px(c->place.top), px(c->place.width), px(c->place.height));
        if (c->AutoSize) place.setSize(q->sizeHint());
        if (c->kind == form::Kind::OptionButton) {
            place.setWidth(q->width()); // grown to its caption
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
        EXPECT_EQ(q->toolTip(), qs(c->ToolTipText));
        EXPECT_EQ(q->isEnabled(), c->effectivelyEnabled());
        EXPECT_EQ(q->isHidden(), !c->Visible);
    }
    for (const form::ToolButton& t : r.w.tlbCas.Buttons) {
        if (t.Style == form::ButtonStyle::Separator) continue;
        SCOPED_TRACE(t.Key);
        QToolButton* q = r.b.toolButton(t.Key);
        ASSERT_NE(q, nullptr);
        EXPECT_EQ(q->isEnabled(), t.Enabled);
        EXPECT_EQ(q->isChecked(), t.Value == 1);
        EXPECT_EQ(q->defaultAction()->property("imageKey").toString(), qs(t.Image));
    }
    for (const form::MenuItem* top : r.w.menuBar)
        if (top != &r.w.mnuBarva && top != &r.w.mnuRMB) expectMenuMatches(r, *top); // pop-ups
    EXPECT_EQ(r.b.window()->windowTitle(), qs(r.w.Caption));
}

TEST(Binding, WindowShowsTheModelAfterEveryChange) {
    BindingRig r;
    expectMatchesModel(r);
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
    r.focus("txtMin");
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
    r.w.mnuP.Enabled = false; // a disabled item's shortcut does nothing
    r.b.sync();
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(r.w.optV.Value);
    key(Qt::Key_O, Qt::AltModifier); // the option's access key
    EXPECT_EQ(r.w.lbl2.Caption, "Stopky:");
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
        EXPECT_EQ(r.w.runState(), RunState::Running) << k;
        r.w.cmdStorno_Click();
        r.b.sync();
        ASSERT_EQ(r.w.runState(), RunState::Paused);
    }
}

} // namespace
} // namespace tikanda::test

// The Qt binding of the main window, on the offscreen platform, with the fake platform
// services and the real behaviour.

#include "ui/windows/binding_qt.h"
#include "fakes.h"
#include "ui/colours/colour_qt.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>
#include <gtest/gtest.h>

#include <cmath>

namespace tikanda::test {
namespace {

int px(int twips) {
    return int(std::lround(twips / 15.0));
}

QString plain(QString s) {
    return s.remove(QLatin1Char('&'));
}

// load: run the start-up; otherwise the window is only shown, with its state as built.
struct BindingRig : Rig {
    explicit BindingRig(bool load = true) {
        if (load)
            w.Form_Load();
        else
            w.Visible = true;
        b.sync();
    }
    TikandaBinding b{w};

    template <class T = QWidget> T* widget(const std::string& name) {
        auto* c = w.find(name);
        EXPECT_NE(c, nullptr) << name;
        return c ? qobject_cast<T*>(b.widget(*c)) : nullptr;
    }
    void activate() {
        b.window()->show();
        b.window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(b.window()));
    }
    void focus(const std::string& name) {
        widget(name)->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(w.ActiveControl, w.find(name));
    }
    QString focusName() const {
        QWidget* f = QApplication::focusWidget();
        return f ? f->objectName() : QString();
    }
};

// ---- Layout as built ---------------------------------------------------------------------

TEST(Binding, EveryControlIsAWidgetAtItsPlace) {
    BindingRig r(false);
    struct Row {
        const char* name;
        const char* container;
        int left, top, width, height;
    };
    // (left, top, width, height) in twips, relative to the container.
    const Row rows[] = {
        {"tlbCas", "", 0, 0, 4080, 420},
        {"cboText", "tlbCas", 0, 30, 4080, 315},
        {"picTikanda", "", 0, 420, 4095, 3135},
        {"picGreen", "picTikanda", 100, 205, 1020, 2325},
        {"lblAlarm", "picGreen", 60, 1320, 820, 800},
        {"lblAktualni", "picGreen", 60, 360, 735, 195},
        {"lblStopky", "picGreen", 60, 1060, 735, 255},
        {"fraNastav", "picTikanda", 1200, 120, 2775, 855},
        {"txtSec", "fraNastav", 2100, 360, 310, 320},
        {"txtMin", "fraNastav", 1400, 360, 310, 320},
        {"txtHod", "fraNastav", 720, 360, 310, 320},
        {"picNastav", "fraNastav", 120, 240, 480, 480},
        {"updHod", "fraNastav", 1035, 360, 240, 315},
        {"updMin", "fraNastav", 1715, 360, 240, 315},
        {"updSec", "fraNastav", 2415, 360, 240, 315},
        {"lblTecky(0)", "fraNastav", 1320, 405, 45, 195},
        {"lblTecky(1)", "fraNastav", 2000, 405, 45, 195},
        {"fraAlarm", "picTikanda", 1200, 1080, 2775, 1455},
        {"optV", "fraAlarm", 720, 360, 1695, 255},
        {"optZa", "fraAlarm", 720, 720, 1575, 255},
        {"picAlarm", "fraAlarm", 120, 240, 480, 480},
        {"optS", "fraAlarm", 720, 1080, 855, 255},
        {"cmdStorno", "picTikanda", 2880, 2640, 1095, 375},
        {"cmdOK", "picTikanda", 1680, 2640, 1095, 375},
    };
    for (const Row& row : rows) {
        QWidget* w = r.widget(row.name);
        ASSERT_NE(w, nullptr) << row.name;
        const QRect place(px(row.left), px(row.top), px(row.width), px(row.height));
        if (auto* option = qobject_cast<QRadioButton*>(w)) {
            // Option buttons may grow to their caption within their frame.
            EXPECT_EQ(w->pos(), place.topLeft()) << row.name;
            EXPECT_EQ(w->height(), place.height()) << row.name;
            EXPECT_GE(w->width(), place.width()) << row.name;
            EXPECT_GE(w->width(), option->sizeHint().width()) << row.name;
            EXPECT_LE(w->geometry().right(), w->parentWidget()->width()) << row.name;
        } else {
            EXPECT_EQ(w->geometry(), place) << row.name;
        }
        form::Control* container = r.b.controlOf(w->parentWidget());
        EXPECT_EQ(container ? container->Name : "", row.container) << row.name;
    }
    // Labels that size to their text keep their place.
    for (const char* name : {"lbl1", "lbl2"}) {
        QWidget* w = r.widget(name);
        EXPECT_EQ(w->pos(), QPoint(px(r.w.find(name)->place.left), px(r.w.find(name)->place.top)));
        EXPECT_EQ(w->size(), w->sizeHint()) << name;
    }
    // Client area 272 x 234 below a 20-pixel menu bar, fixed.
    EXPECT_EQ(r.b.window()->centralWidget()->size(), QSize(272, 234));
    EXPECT_EQ(r.b.window()->size(), QSize(272, 254));
    EXPECT_EQ(r.b.window()->minimumSize(), r.b.window()->maximumSize());
    const auto flags = r.b.window()->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowContextHelpButtonHint);
    // Lines and the dial are painted by the panel, not widgets.
    EXPECT_EQ(r.b.widget(r.w.linSec), nullptr);
    EXPECT_EQ(r.b.widget(r.w.shpCifernik), nullptr);
}

TEST(Binding, TextsTooltipsAndInitialStates) {
    BindingRig r(false);
    EXPECT_EQ(r.widget<QLabel>("lbl1")->text(), "Čas:");
    EXPECT_EQ(r.widget<QLabel>("lbl2")->text(), "Alarm v:");
    EXPECT_EQ(r.widget<QLabel>("lblAktualni")->text(), "0:00:00");
    EXPECT_EQ(r.widget<QLabel>("lblStopky")->text(), "0:00:00");
    EXPECT_EQ(r.widget<QLabel>("lblAlarm")->text(), "Text alarmu.");
    EXPECT_EQ(r.widget<QLabel>("lblTecky(0)")->text(), ":");
    EXPECT_EQ(r.widget<QLabel>("lblAlarm")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_TRUE(r.widget<QLabel>("lblAlarm")->wordWrap());
    EXPECT_EQ(r.widget<QGroupBox>("fraNastav")->title(), "Nastavení alarmu");
    EXPECT_EQ(r.widget<QGroupBox>("fraAlarm")->title(), "Alarm provést");
    EXPECT_EQ(r.widget<QRadioButton>("optV")->text(), "&v nastaveném čase");
    EXPECT_EQ(r.widget<QRadioButton>("optZa")->text(), "&po uplynutí času");
    EXPECT_EQ(r.widget<QRadioButton>("optS")->text(), "st&opky");
    EXPECT_TRUE(r.widget<QRadioButton>("optV")->isChecked());
    EXPECT_FALSE(r.widget<QRadioButton>("optZa")->isChecked());
    EXPECT_EQ(r.widget<QPushButton>("cmdOK")->text(), "OK");
    EXPECT_EQ(r.widget<QPushButton>("cmdStorno")->text(), "Storno");
    EXPECT_FALSE(r.widget<QPushButton>("cmdOK")->isDefault());
    EXPECT_FALSE(r.widget<QPushButton>("cmdOK")->autoDefault());
    for (const char* name : {"txtHod", "txtMin", "txtSec"}) {
        auto* e = r.widget<QLineEdit>(name);
        EXPECT_EQ(e->maxLength(), 3) << name;
        EXPECT_TRUE(e->alignment() & Qt::AlignRight) << name;
    }
    EXPECT_EQ(r.widget<QLineEdit>("txtHod")->text(), "0");
    EXPECT_EQ(r.widget<QLineEdit>("txtMin")->text(), "00");
    EXPECT_EQ(r.widget<QLineEdit>("txtSec")->text(), "00");

    const std::pair<const char*, const char*> tips[] = {
        {"picGreen", "Pravé tlačítko myši nastaví barvu"},
        {"lbl1", "Systémový čas"},
        {"lblAlarm", "Text alarmu"},
        {"lblStopky", "Pravé tlačítko myši nastaví barvu"},
        {"txtHod", "Hod"},
        {"updMin", "Min"},
        {"updSec", "Sec"},
        {"optV", "Alarm v zadaném čase"},
        {"optZa", "Provede časový odečet"},
        {"optS", "Režim stopky"},
        {"cmdOK", "Spustí časomíru"},
        {"cmdStorno", "Ukončí program"},
        {"cboText", "Text hlášení alarmu"},
    };
    for (const auto& [name, tip] : tips) {
        QWidget* w = r.widget(name);
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(tip)) << name;
        // A screen reader hears the tip as the description.
        EXPECT_EQ(w->accessibleDescription(), QString::fromUtf8(tip)) << name;
    }
    // Controls without a text of their own still have a name for a screen reader.
    for (const char* name : {"txtHod", "updHod", "picGreen", "picAlarm", "cboText"})
        EXPECT_FALSE(r.widget(name)->accessibleName().isEmpty()) << name;
}

TEST(Binding, ToolbarButtonsImagesTipsAndPlaces) {
    BindingRig r(false);
    QToolBar* tb = r.b.toolBar();
    ASSERT_EQ(tb->actions().size(), 11);
    struct Expect {
        const char* key;
        int left;
        const char* tip;
        bool enabled, checkable, checked;
    };
    const Expect buttons[] = {
        {"Start", 0, "Start", true, false, false},
        {"Pauza", 360, "Pauza", false, false, false},
        {"Stop", 720, "Stop", false, false, false},
        {"Text", 1200, "Text alarmu", true, false, false},
        {"Zvuk", 1560, "Zvukový alarm", true, true, true},
        {"Min", 1920, "Minimalizovat", true, true, false},
        {"Nastaveni", 2400, "Výběr zvuku alarmu", true, false, false},
        {"O", 2880, "O aplikaci", true, false, false},
    };
    for (const Expect& e : buttons) {
        QToolButton* button = r.b.toolButton(e.key);
        ASSERT_NE(button, nullptr) << e.key;
        EXPECT_EQ(button->geometry().left(), px(e.left)) << e.key;
        EXPECT_EQ(button->size(), QSize(24, 22)) << e.key;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(e.tip)) << e.key;
        EXPECT_EQ(button->isEnabled(), e.enabled) << e.key;
        EXPECT_EQ(button->isCheckable(), e.checkable) << e.key;
        EXPECT_EQ(button->isChecked(), e.checked) << e.key;
        EXPECT_FALSE(button->icon().isNull()) << e.key;
        EXPECT_FALSE(button->icon().pixmap(16, 16).isNull()) << e.key;
    }
    EXPECT_EQ(r.b.toolButton("Text")->defaultAction()->property("imageKey").toString(), "TextG");
    // cboText is hidden, lying over the buttons.
    auto* combo = r.widget<QComboBox>("cboText");
    EXPECT_TRUE(combo->isHidden());
    EXPECT_EQ(combo->parentWidget(), tb);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->completer(), nullptr);
}

TEST(Binding, MenuBarShowsTheFourMenusWithTheirItems) {
    BindingRig r(false);
    QStringList titles;
    for (QAction* a : r.b.menuBar()->actions())
        if (a->isVisible()) titles << plain(a->text());
    EXPECT_EQ(titles, QStringList({"Alarm", "Nastavení", "Provést", "Nápověda"}));
    // The pop-up-only menus have no place in the bar.
    EXPECT_EQ(r.b.action(r.w.mnuBarva), nullptr);
    EXPECT_EQ(r.b.action(r.w.mnuRMB), nullptr);
    EXPECT_EQ(r.b.action(r.w.mnuCoToJe), nullptr);

    EXPECT_EQ(r.b.action(r.w.mnuText)->text(), QString::fromUtf8("&Text alarmu…\tCtrl+T"));
    EXPECT_EQ(r.b.action(r.w.mnuStart)->text(), "&Start\tF2");
    EXPECT_EQ(r.b.action(r.w.mnuO)->text(), "&O aplikaci\tCtrl+F1");
    EXPECT_TRUE(r.b.action(r.w.mnuSep1)->isSeparator());
    EXPECT_FALSE(r.b.action(r.w.mnuPauza)->isEnabled());
    EXPECT_FALSE(r.b.action(r.w.mnuStop)->isEnabled());
    EXPECT_TRUE(r.b.action(r.w.mnuZvuk)->isChecked());
    EXPECT_TRUE(r.b.action(r.w.mnuV)->isChecked());
    EXPECT_FALSE(r.b.action(r.w.mnuP)->isChecked());
    EXPECT_FALSE(r.b.action(r.w.mnuP)->isCheckable()); // no empty box on unchecked items
}

TEST(Binding, HiddenPartsAreHiddenAndTheDialAppearsWhenShown) {
    BindingRig r;
    QWidget* panel = r.widget("picGreen");
    ASSERT_NE(panel, nullptr);
    QWidget* client = r.b.controlOf(panel) ? panel->findChild<QWidget*>() : nullptr;
    ASSERT_NE(client, nullptr);
    // The centre of the hands lies between the time labels.
    const QPoint centre(px(480), px(720));
    const QColor background = toQColor(r.w.picGreen.BackColor);
    EXPECT_EQ(client->grab().toImage().pixelColor(centre), background);

    r.w.shpCifernik.Visible = true;
    r.w.lbl1.Visible = r.w.lbl2.Visible = false;
    r.w.lblAktualni.Visible = r.w.lblStopky.Visible = false;
    r.b.sync();
    EXPECT_NE(client->grab().toImage().pixelColor(centre + QPoint(0, 8)), background);
    EXPECT_TRUE(r.widget("lbl1")->isHidden());
    EXPECT_FALSE(r.widget("lblAlarm")->isHidden());
}

// ---- Model to widgets --------------------------------------------------------------------

TEST(Binding, ModelChangesAppearAfterSync) {
    BindingRig r;
    r.w.lblStopky.Caption = "1:23:45";
    r.w.lblAktualni.ToolTipText = "7.12.2024";
    r.w.lbl2.Caption = "Alarm za:";
    r.w.lbl1.ForeColor = 0x0000FF;
    r.w.picGreen.BackColor = 0x00FF00;
    r.w.cmdStorno.Caption = "Stop";
    r.w.cmdOK.Enabled = false;
    r.w.fraNastav.Enabled = false;
    r.w.optV.Value = false;
    r.w.optS.Value = true;
    r.w.mnuStopky.Caption = "&Stopky";
    r.w.mnuZvuk.Checked = false;
    r.w.mnuHod.Enabled = false;
    r.w.tlbCas.button("Text").Image = "TextY";
    r.w.tlbCas.button("Text").ToolTipText = "Text alarmu: Budíček!";
    r.w.tlbCas.button("Pauza").Enabled = true;
    r.w.tlbCas.button("Min").Value = 1;
    r.w.Caption = "0:04:59 Tikanda";
    r.b.sync();

    EXPECT_EQ(r.widget<QLabel>("lblStopky")->text(), "1:23:45");
    EXPECT_EQ(r.widget("lblAktualni")->toolTip(), "7.12.2024");
    EXPECT_EQ(r.widget<QLabel>("lbl2")->text(), "Alarm za:");
    EXPECT_EQ(r.widget("lbl2")->size(), r.widget("lbl2")->sizeHint());
    EXPECT_EQ(r.widget("lbl1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(r.widget<QPushButton>("cmdStorno")->text(), "Stop");
    EXPECT_FALSE(r.widget("cmdOK")->isEnabled());
    EXPECT_FALSE(r.widget("txtHod")->isEnabled()); // follows its frame
    EXPECT_FALSE(r.widget("updHod")->isEnabled());
    EXPECT_TRUE(r.widget<QRadioButton>("optS")->isChecked());
    EXPECT_FALSE(r.widget<QRadioButton>("optV")->isChecked());
    EXPECT_EQ(plain(r.b.action(r.w.mnuStopky)->text()), "Stopky");
    EXPECT_FALSE(r.b.action(r.w.mnuZvuk)->isChecked());
    EXPECT_FALSE(r.b.action(r.w.mnuHod)->isEnabled());
    EXPECT_EQ(r.b.toolButton("Text")->defaultAction()->property("imageKey").toString(), "TextY");
    EXPECT_EQ(r.b.toolButton("Text")->toolTip(), QString::fromUtf8("Text alarmu: Budíček!"));
    EXPECT_TRUE(r.b.toolButton("Pauza")->isEnabled());
    EXPECT_TRUE(r.b.toolButton("Min")->isChecked());
    EXPECT_EQ(r.b.window()->windowTitle(), "0:04:59 Tikanda");
}

TEST(Binding, CompactLayoutsMoveTheToolbarOutAndShrinkTheWindow) {
    BindingRig r;
    for (auto* m : {&r.w.mnuStopky, &r.w.mnuNastaveni, &r.w.mnuAlarm, &r.w.mnuNapoveda})
        m->Visible = false;
    r.w.Height -= 300;
    r.b.sync();
    EXPECT_TRUE(r.b.menuBar()->isHidden());
    EXPECT_EQ(r.b.window()->size(), QSize(272, 234)); // 300 twips lower, client area kept

    r.w.tlbCas.place.left = -20000;
    r.w.tlbCas.AlignTop = false;
    r.w.picTikanda.place.top -= 420;
    r.w.Height -= 420;
    r.b.sync();
    EXPECT_EQ(r.b.window()->size(), QSize(272, 234 - 28)); // 720 twips lower in all
    EXPECT_LT(r.b.toolBar()->geometry().right(), 0);
    EXPECT_EQ(r.widget("picTikanda")->pos(), QPoint(0, 0));
}

TEST(Binding, StartUpShowsTheWindowCentredWithItsTitle) {
    BindingRig r;
    EXPECT_TRUE(r.b.window()->isVisible());
    EXPECT_EQ(r.b.window()->windowTitle(), "Tikanda 1.3");
    EXPECT_FALSE(r.b.splashWindow()->isVisible());
    EXPECT_FALSE(r.b.window()->windowIcon().isNull());

    r.w.frmSplash.Lbl.Caption = "Ukončení Tikandy";
    r.w.frmSplash.Visible = true;
    r.w.Visible = false;
    r.b.sync();
    EXPECT_FALSE(r.b.window()->isVisible());
    EXPECT_TRUE(r.b.splashWindow()->isVisible());
    EXPECT_EQ(r.b.splashWindow()->size(), QSize(183, 28));
    auto* label = r.b.splashWindow()->findChild<QLabel*>("Lbl");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8("Ukončení Tikandy"));
}

TEST(Binding, MinimisingFollowsTheModelAndReportsTheWindowSystems) {
    BindingRig r;
    r.w.WindowState = 1;
    r.b.sync();
    EXPECT_TRUE(r.b.window()->windowState() & Qt::WindowMinimized);
    r.w.WindowState = 0;
    r.b.sync();
    EXPECT_FALSE(r.b.window()->windowState() & Qt::WindowMinimized);
    // A minimisation by the window system reaches the model (and Form_Resize).
    r.b.window()->showMinimized();
    EXPECT_EQ(r.w.WindowState, 1);
}

// ---- Widgets to behaviour ----------------------------------------------------------------

TEST(Binding, TabOrderRunsThroughFieldsOptionAndButtons) {
    BindingRig r;
    r.activate();
    r.focus("txtHod");
    QStringList seen;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << r.focusName();
    }
    EXPECT_EQ(seen, QStringList({"txtMin", "txtSec", "optV", "cmdOK", "cmdStorno", "txtHod"}));
    // Each step was a focus change of the window: txtHod has the focus in the model.
    EXPECT_EQ(r.w.ActiveControl, &r.w.txtHod);
}

TEST(Binding, ClickOnOkReachesTheBehaviour) {
    BindingRig r;
    r.activate();
    QTest::mouseClick(r.widget("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(r.w.RunState, 1);
    EXPECT_TRUE(r.b.toolButton("Stop")->isEnabled());
    EXPECT_FALSE(r.b.toolButton("Start")->isEnabled());
}

TEST(Binding, TypingGoesThroughTheFieldHandlers) {
    BindingRig r;
    r.activate();
    r.focus("txtHod");
    QTest::keyClicks(QApplication::focusWidget(), "12");
    EXPECT_EQ(r.w.txtHod.Text, "12");
    EXPECT_EQ(r.w.lblStopky.Caption, "12:00:00");
    // The third character keeps the last two and moves on (on the key release).
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
    EXPECT_EQ(r.w.txtHod.Text, "23");
    EXPECT_EQ(r.widget<QLineEdit>("txtHod")->text(), "23");
    EXPECT_EQ(r.focusName(), "txtMin");
    // The field that got the focus has its text selected; the one left shows none.
    EXPECT_EQ(r.widget<QLineEdit>("txtMin")->selectedText(), "00");
    EXPECT_FALSE(r.widget<QLineEdit>("txtHod")->hasSelectedText());
    // Enter is swallowed by the field and moves on as well.
    QTest::keyClicks(QApplication::focusWidget(), "5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(r.w.txtMin.Text, "05");
    EXPECT_EQ(r.focusName(), "txtSec");
}

TEST(Binding, MenuShortcutsActWhileATextFieldHasTheFocus) {
    BindingRig r;
    r.activate();
    r.focus("txtMin");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(r.w.ActiveControl, &r.w.txtHod);
    EXPECT_EQ(r.focusName(), "txtHod");

    // The field's own undo gives way to the menu's Ctrl+Z (the sound switch).
    QTest::keyClicks(QApplication::focusWidget(), "7"); // replaces the selected "0"
    EXPECT_EQ(r.widget<QLineEdit>("txtHod")->text(), "7");
    const bool sound = r.w.mnuZvuk.Checked;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(r.widget<QLineEdit>("txtHod")->text(), "7");
    EXPECT_NE(r.w.mnuZvuk.Checked, sound);
    EXPECT_EQ(r.b.toolButton("Zvuk")->isChecked(), !sound);

    // A disabled item's shortcut does nothing: Ctrl+V selects mode V only while enabled.
    r.w.mnuP.Enabled = false;
    r.b.sync();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(r.w.optV.Value);
    r.w.mnuP.Enabled = true;
    r.b.sync();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(r.w.optZa.Value);
    EXPECT_EQ(r.focusName(), "optZa");
}

TEST(Binding, AlarmTextIsEditedInTheBoxOverTheToolbar) {
    BindingRig r;
    r.activate();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
    auto* combo = r.widget<QComboBox>("cboText");
    ASSERT_TRUE(combo->isVisible());
    EXPECT_FALSE(r.b.toolButton("Start")->defaultAction()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), combo);
    // The whole text is selected, so typing replaces it, exactly as typed.
    EXPECT_EQ(combo->lineEdit()->selectedText(), QString::fromStdString(r.w.AlarmText));
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                        QString::fromUtf8("č"), Qt::NoModifier);
    QTest::keyClicks(QApplication::focusWidget(), "aj JE hotov");
    EXPECT_EQ(r.w.cboText.Text, "čaj JE hotov");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(r.w.AlarmText, "čaj JE hotov");
    EXPECT_TRUE(combo->isHidden());
    EXPECT_TRUE(r.b.toolButton("Start")->defaultAction()->isVisible());
    EXPECT_EQ(combo->itemText(0), QString::fromUtf8("čaj JE hotov"));
}

TEST(Binding, AccessKeyChoosesTheOption) {
    BindingRig r;
    r.activate();
    r.focus("txtHod");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(r.w.optS.Value);
    EXPECT_EQ(r.w.lbl2.Caption, "Stopky:");
    EXPECT_EQ(r.focusName(), "optS");
}

TEST(Binding, FocusToAnotherWindowAndBackIsNoFocusChange) {
    BindingRig r;
    r.activate();
    r.focus("txtMin");
    QTest::keyClicks(QApplication::focusWidget(), "7");
    ASSERT_EQ(r.w.txtMin.Text, "7");

    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    r.activate();
    // Leaving the field would have padded it to "07".
    EXPECT_EQ(r.w.txtMin.Text, "7");
    EXPECT_EQ(r.w.ActiveControl, &r.w.txtMin);
    EXPECT_EQ(r.focusName(), "txtMin");
}

TEST(Binding, SpinButtonStepsItsField) {
    BindingRig r;
    r.activate();
    QWidget* spin = r.widget("updMin");
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 3));
    EXPECT_EQ(r.w.txtMin.Text, "01");
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 3));
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 3));
    EXPECT_EQ(r.w.txtMin.Text, "00"); // stops at the end of the range
    EXPECT_EQ(r.widget<QLineEdit>("txtMin")->text(), "00");
    EXPECT_EQ(spin->focusPolicy(), Qt::NoFocus);
}

TEST(Binding, RightPressOnTheToolbarSelectsTheTopicByPosition) {
    BindingRig r;
    r.activate();
    QToolButton* zvuk = r.b.toolButton("Zvuk");
    const int value = r.w.tlbCas.button("Zvuk").Value;
    QTest::mousePress(zvuk, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(r.w.tlbCas.WhatsThisHelpID, 11035); // x = (104 + 5) * 15 = 1635
    QTest::mouseRelease(zvuk, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(r.w.tlbCas.WhatsThisHelpID, 11030);
    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, value); // a right press is no click
}

TEST(Binding, ToolbarClickTogglesTheCheckButtonOnce) {
    BindingRig r;
    r.activate();
    const int value = r.w.tlbCas.button("Zvuk").Value;
    QTest::mouseClick(r.b.toolButton("Zvuk"), Qt::LeftButton);
    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 1 - value);
    EXPECT_EQ(r.w.mnuZvuk.Checked, value == 0);
    EXPECT_EQ(r.b.toolButton("Zvuk")->isChecked(), value == 0);
    EXPECT_EQ(r.b.action(r.w.mnuZvuk)->isChecked(), value == 0);
}

TEST(Binding, RightPressOnTheDialReachesThePanel) {
    BindingRig r;
    r.activate();
    r.w.mnuAnalog_Click(); // the analog face: time labels hidden
    r.b.sync();
    ASSERT_TRUE(r.widget("lbl1")->isHidden());
    QWidget* client = r.widget("picGreen")->findChild<QWidget*>();
    QTest::mousePress(client, Qt::RightButton, {}, QPoint(px(480), px(600)));
    ASSERT_FALSE(r.popups.shown.empty());
    EXPECT_EQ(r.popups.shown.back().first, "mnuBarva");
    QTest::mouseRelease(client, Qt::RightButton, {}, QPoint(px(480), px(600)));
}

TEST(Binding, RightPressOnAnOptionIsTheOptionsNotTheFrames) {
    BindingRig r;
    r.activate();
    QWidget* opt = r.widget("optZa");
    // Right of the caption, where the button itself takes no press.
    QTest::mousePress(opt, Qt::RightButton, {}, QPoint(opt->width() - 2, opt->height() / 2));
    EXPECT_TRUE(r.popups.shown.empty()); // the frame's "Co to je?" did not open
    ASSERT_FALSE(r.help.whatsThis.empty());
    EXPECT_EQ(r.help.whatsThis.back(), std::make_pair(14030, std::string("optZa")));
    QTest::mouseRelease(opt, Qt::RightButton, {}, QPoint(opt->width() - 2, opt->height() / 2));
}

TEST(Binding, EnterOnAFocusedButtonPressesIt) {
    BindingRig r;
    r.activate();
    r.focus("cmdOK");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(r.w.RunState, 1);
}

TEST(Binding, F1OnAHighlightedMenuItemOpensItsContextTopic) {
    BindingRig r;
    r.activate();
    QMenu* menu = r.b.action(r.w.mnuNastaveni)->menu();
    ASSERT_NE(menu, nullptr);
    menu->popup(r.b.window()->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(r.b.action(r.w.mnuZvuk));
    QTest::keyClick(menu, Qt::Key_F1);
    EXPECT_FALSE(menu->isVisible());
    ASSERT_FALSE(r.help.topics.empty());
    EXPECT_EQ(r.help.topics.back(), 13050);
    EXPECT_EQ(r.help.contents, 0); // not the Index
}

TEST(Binding, WhatsThisModeShowsTheClickedControlsTopic) {
    BindingRig r;
    r.activate();
    r.focus("txtSec");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
    EXPECT_EQ(r.help.contents, 0); // Shift+F1 is not the Index's F1

    QWidget* opt = r.widget("optS");
    QHelpEvent e(QEvent::WhatsThis, QPoint(3, 3), opt->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(opt, &e);
    ASSERT_FALSE(r.help.whatsThis.empty());
    EXPECT_EQ(r.help.whatsThis.back(), std::make_pair(14050, std::string("optS")));
    // A control without a topic of its own gives its container's.
    QHelpEvent e2(QEvent::WhatsThis, QPoint(1, 1),
                  r.widget("lblTecky(0)")->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(r.widget("lblTecky(0)"), &e2);
    EXPECT_EQ(r.help.whatsThis.back(), std::make_pair(13010, std::string("lblTecky(0)")));
}

} // namespace
} // namespace tikanda::test

// Message boxes and the colour dialog, answered from inside the event loop.
#include "platform/platform_qt.h"

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include <functional>

using namespace tikanda;

namespace {

// Runs `answer` on the modal dialog once it is up.
template <typename D> void whenModal(std::function<void(D*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            auto* d = qobject_cast<D*>(w);
            ASSERT_NE(d, nullptr);
            answer(d);
        }
    });
    poll->start(20);
}

TEST(QtMessageBoxes, CzechButtonsTitleIconDefaultAndAnswers) {
    int synced = 0;
    QtMessageBoxes boxes([&] { ++synced; });
    using enum MsgIcon;
    using enum MsgAnswer;
    const struct {
        MsgIcon icon;
        MsgButtons buttons;
        bool defaultNo;
        Qt::Key key;
        const char* seen; // icon | buttons | default button
        MsgAnswer answer;
    } cases[] = {
        {Question, MsgButtons::YesNo, true, Qt::Key_A, "Question|&Ano,&Ne|&Ne", Yes},
        {Exclamation, MsgButtons::YesNo, false, Qt::Key_N, "Warning|&Ano,&Ne|&Ano", No},
        {Exclamation, MsgButtons::YesNo, false, Qt::Key_Escape, "Warning|&Ano,&Ne|&Ano", No},
        {Information, MsgButtons::Ok, false, Qt::Key_Return, "Information|OK|OK", Ok},
    };
    for (const auto& c : cases) {
        QString seen;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            QStringList buttons;
            for (auto* b : box->buttons())
                buttons << b->text();
            buttons.sort();
            seen = box->windowTitle() + '|' +
                   QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon()) + '|' +
                   buttons.join(',') + '|' + box->defaultButton()->text();
            QTest::keyClick(box, c.key);
        });
        EXPECT_EQ(boxes.show("Ukončit program?", "Tikanda 1.3", c.icon, c.buttons, c.defaultNo),
                  c.answer)
            << c.seen;
        EXPECT_EQ(seen, QStringLiteral("Tikanda 1.3|") + QString::fromUtf8(c.seen));
    }
    EXPECT_EQ(synced, 4) << "the screen is brought up to date before each box shows";
}

// A chosen colour's way back is in tests/e2e/scenarios_e2e.sh.
TEST(QtDialogs, TheColourDialogStartsOnTheColourGivenAndCancelGivesNone) {
    QColor shown;
    whenModal<QColorDialog>([&](QColorDialog* dlg) {
        shown = dlg->currentColor();
        dlg->reject();
    });
    // 0x00BBGGRR: red 0x11, green 0x22, blue 0x33.
    EXPECT_EQ(QtDialogs().chooseColour(0x00332211u), std::nullopt);
    EXPECT_EQ(shown, QColor(0x11, 0x22, 0x33));
}

TEST(QtDialogs, TheFileFilterReadsAsWritten) {
    EXPECT_EQ(fileDialogFilter("Zvukový soubor ", "*.wav;*.mid"),
              QString::fromUtf8("Zvukový soubor (*.wav *.mid)"));
}

} // namespace

// The help window and What's-This pop-ups on the offscreen platform.

#include "ui/help/help_viewer_qt.h"
#include "ui/windows/form_windows.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWhatsThis>
#include <gtest/gtest.h>

namespace tikanda {
namespace {

QString shownText(const QtHelpViewer& v) {
    auto* browser = v.window() ? v.window()->findChild<QTextBrowser*>() : nullptr;
    return browser ? browser->toPlainText() : QString();
}

void write(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

TEST(HelpViewer, ShowsTheShippedContentsAndFollowsLinks) {
    QtHelpViewer v(TIKANDA_SOURCE_DIR "/data", {});
    v.setHelpFile("TIKANDA.HLP");
    v.showContents();
    ASSERT_NE(v.window(), nullptr);
    EXPECT_TRUE(v.window()->isVisible());
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("Nápověda k programu Tikanda")));

    auto* browser = v.window()->findChild<QTextBrowser*>();
    emit browser->anchorClicked(QUrl("topic:13080"));
    EXPECT_TRUE(shownText(v).startsWith(QString::fromUtf8("Displej")));

    QPushButton* back = nullptr;
    for (auto* b : v.window()->findChildren<QPushButton*>())
        if (b->text() == QString::fromUtf8("&Zpět")) back = b;
    ASSERT_NE(back, nullptr);
    back->click();
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("Nápověda k programu Tikanda")));
    EXPECT_FALSE(back->isEnabled());

    v.showTopic(3020);
    EXPECT_TRUE(shownText(v).startsWith(QString::fromUtf8("Tlačítko OK")));
    v.showTopic(777);
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("Téma č. 777")));
}

TEST(HelpViewer, MissingOrBrokenFileGivesAMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtHelpViewer v(dir.path().toStdString(), {});
    v.setHelpFile("TIKANDA.HLP");
    v.showContents();
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("nebyl nalezen")));
    v.showTopic(13010);
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("nebyl nalezen")));

    // A file that is no help file at all; the viewer reads it afresh on each request.
    write(dir.filePath("TIKANDA.HLP"), QByteArray("\xFF\xFE garbage\0\1\2", 14));
    v.showContents();
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("poškozen")));

    form::FrmTikandaModel model;
    v.showWhatsThis(13010, &model.fraNastav); // must not crash
    QWhatsThis::hideText();
}

TEST(HelpViewer, RelativeNamesResolveAgainstTheDataDirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    write(dir.filePath("OTHER.HLP"), "@topic 5 Pět\nText pět.\n");
    const form::Control* located = nullptr;
    QtHelpViewer v(dir.path().toStdString(), [&](const form::Control* c) {
        located = c;
        return QPoint(10, 10);
    });
    v.setHelpFile("OTHER.HLP");
    v.showTopic(5);
    EXPECT_TRUE(shownText(v).startsWith(QString::fromUtf8("Pět")));
    // Without a contents section the contents page lists the topics.
    v.showContents();
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("Pět")));

    v.setHelpFile(dir.filePath("OTHER.HLP").toStdString()); // absolute
    v.showTopic(5);
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("Text pět.")));

    form::FrmTikandaModel model;
    v.showWhatsThis(5, &model.fraAlarm);
    EXPECT_EQ(located, &model.fraAlarm);
    QWhatsThis::hideText();
}

} // namespace
} // namespace tikanda

// The help window on the offscreen platform.

#include "ui/help/help_viewer_qt.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace tikanda {
namespace {

QString shownText(const QtHelpViewer& v) {
    auto* browser = v.window() ? v.window()->findChild<QTextBrowser*>() : nullptr;
    return browser ? browser->toPlainText() : QString();
}

TEST(HelpViewer, ShowsTheShippedContentsAndFollowsLinks) {
    QtHelpViewer v(TIKANDA_SOURCE_DIR "/data", {});
    v.setHelpFile("TIKANDA.HLP"); // relative to the data directory
    v.showContents();
    EXPECT_TRUE(v.window() && v.window()->isVisible());
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("Nápověda k programu Tikanda")));
    emit v.window()->findChild<QTextBrowser*>()->anchorClicked(QUrl("topic:13080"));
    EXPECT_TRUE(shownText(v).startsWith(QString::fromUtf8("Displej")));
    v.showTopic(3020);
    EXPECT_TRUE(shownText(v).startsWith(QString::fromUtf8("Tlačítko OK")));
}

TEST(HelpViewer, MissingOrBrokenFileGivesAMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtHelpViewer v(dir.path().toStdString(), {});
    v.setHelpFile("TIKANDA.HLP");
    v.showTopic(13010);
    EXPECT_TRUE(shownText(v).contains(QString::fromUtf8("nebyl nalezen")));
}

} // namespace
} // namespace tikanda

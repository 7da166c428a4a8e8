#include "platform/platform_qt.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

using tikanda::QtClock;

TEST(QtClock, NowIsTheLocalDayAndSecond) {
    const QDateTime before = QDateTime::currentDateTime();
    const auto now = QtClock().now();
    const QDateTime after = QDateTime::currentDateTime();
    const QDate epoch(1970, 1, 1);
    EXPECT_GE(now.day, epoch.daysTo(before.date()));
    EXPECT_LE(now.day, epoch.daysTo(after.date()));
    EXPECT_GE(now.second, 0);
    EXPECT_LT(now.second, 86400);
    if (before.date() == after.date())
        EXPECT_NEAR(now.second, before.time().msecsSinceStartOfDay() / 1000, 1);
}

TEST(QtClock, ShortDateOfADayNumberInTheUsersFormat) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(QtClock().shortDate(0), "1/1/70");
    EXPECT_EQ(QtClock().shortDate(19723), "1/1/24");
    EXPECT_EQ(QtClock().shortDate(-1), "12/31/69");
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    EXPECT_EQ(QtClock().shortDate(19723), "01.01.24");
    QLocale::setDefault(saved);
}

#include "platform/platform_qt.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

using tikanda::QtClock;

TEST(QtClock, NowAndDatesAreLocal) {
    const QDateTime before = QDateTime::currentDateTime();
    const auto now = QtClock().now();
    const QDateTime after = QDateTime::currentDateTime();
    const QDate epoch(1970, 1, 1);
    EXPECT_GE(now.day, epoch.daysTo(before.date()));
    EXPECT_LE(now.day, epoch.daysTo(after.date()));
    if (before.date() == after.date())
        EXPECT_NEAR(now.second, before.time().msecsSinceStartOfDay() / 1000, 1);

    // A day number as a short date in the user's format.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(QtClock().shortDate(-1), "12/31/69");
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    EXPECT_EQ(QtClock().shortDate(19723), "01.01.24");
    QLocale::setDefault(saved);
}

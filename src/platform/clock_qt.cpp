#include "platform/platform_qt.h"

#include <QDateTime>
#include <QLocale>

namespace tikanda {

namespace {
const QDate kEpochDay(1970, 1, 1);
}

LocalMoment QtClock::now() const {
    const QDateTime local = QDateTime::currentDateTime();
    return {kEpochDay.daysTo(local.date()), local.time().msecsSinceStartOfDay() / 1000};
}

std::string QtClock::shortDate(std::int64_t day) const {
    return QLocale().toString(kEpochDay.addDays(day), QLocale::ShortFormat).toStdString();
}

} // namespace tikanda

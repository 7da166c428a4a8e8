#include "platform/platform_qt.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

#include <chrono>
#include <ctime>

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

std::int64_t QtClock::utcMs() const {
    return QDateTime::currentMSecsSinceEpoch();
}

std::string QtRunClock::bootId() const {
    QFile f(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.read(64).trimmed().toStdString();
}

std::int64_t QtRunClock::nowMs() const {
#ifdef CLOCK_BOOTTIME
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) == 0)
        return std::int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
#endif
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t QtRunClock::secondStartMs() const {
    using namespace std::chrono;
    const std::int64_t wallMs =
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const std::int64_t intoSecond = (wallMs % 1000 + 1000) % 1000;
    return nowMs() - intoSecond;
}

} // namespace tikanda

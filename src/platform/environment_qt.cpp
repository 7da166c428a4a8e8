#include "platform/platform_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

#ifndef TIKANDA_INSTALLED_DATA_DIR
#define TIKANDA_INSTALLED_DATA_DIR ""
#endif
#ifndef TIKANDA_RELATIVE_DATA_DIR
#define TIKANDA_RELATIVE_DATA_DIR "../share/tikanda"
#endif

namespace tikanda {

namespace {

// The directory of the running binary, without a trailing separator.
QString binaryDir(const char* argv0) {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists()) return QFileInfo(self.symLinkTarget()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv0 ? argv0 : "")).absolutePath();
}

} // namespace

QtEnvironment::QtEnvironment(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (i > 1) m_commandLine += ' ';
        m_commandLine += argv[i];
    }
    const QString bin = binaryDir(argc > 0 ? argv[0] : nullptr);
    // Installed, the data folder is found from the binary (bin/../share/tikanda), so that a
    // package or an install under another prefix than the configured one finds it too;
    // failing that, the configured folder.
    const QString relative =
        QDir::cleanPath(bin + QLatin1Char('/') + QStringLiteral(TIKANDA_RELATIVE_DATA_DIR));
    const std::string installed = QFileInfo(relative).isDir()
                                      ? relative.toStdString()
                                      : std::string(TIKANDA_INSTALLED_DATA_DIR);
    m_dataDir = chooseDataDir(bin.toStdString(), installed);
}

std::string QtEnvironment::chooseDataDir(const std::string& binaryDir,
                                         const std::string& installedDir) {
    const QDir here(QString::fromStdString(binaryDir));
    if (here.exists(QStringLiteral("TIKANDA.HLP")) || here.exists(QStringLiteral("CILILINK.WAV")))
        return binaryDir;
    if (!installedDir.empty() && QFileInfo(QString::fromStdString(installedDir)).isDir())
        return installedDir;
    return binaryDir;
}

std::string QtEnvironment::commandLine() const {
    return m_commandLine;
}

std::string QtEnvironment::dataDir() const {
    return m_dataDir;
}

char QtEnvironment::pathSeparator() const {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

QtProcessExit::QtProcessExit(std::function<void()> beforeEnd) : m_beforeEnd(std::move(beforeEnd)) {}

void QtProcessExit::endNow(int code) {
    // No destructors, no event processing, no settings written: the process ends here.
    // Only what would outlive it in the desktop is undone first.
    if (m_beforeEnd) m_beforeEnd();
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(code);
}

} // namespace tikanda

// The one QApplication of a Qt test program, on the offscreen platform unless
// QT_QPA_PLATFORM names another; created by the first call, kept to the end.
// pumpUntil runs Qt's events until `done` holds or `ms` milliseconds pass.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <functional>
#include <string>

namespace vorda::test {

inline void startOffscreenApplication(const char* programName) {
    if (QApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static std::string name;
    name = programName;
    static char* argv[] = {name.data(), nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

inline bool pumpUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace vorda::test

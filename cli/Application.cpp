#include "Application.h"

#include <QGuiApplication>
#include <cstring>

namespace cli {
namespace {

// The command name: the first argument that is neither an option nor the
// value of --data.
const char* commandName(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0) {
            ++i;
            continue;
        }
        if (std::strncmp(argv[i], "--", 2) != 0)
            return argv[i];
    }
    return "";
}

} // namespace

std::unique_ptr<QCoreApplication> createApplication(int& argc, char** argv)
{
    if (std::strcmp(commandName(argc, argv), "report") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace cli

#include "SplashLauncher.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>

#include <string>
#include <vector>
#endif

namespace {
int startSplash(int &argc, char **argv)
{
    SplashLauncher launcher;
    return launcher.run(argc, argv);
}
} // namespace

#ifdef Q_OS_WIN
// A GUI-subsystem program gets no argv of its own: split the wide command line and hand
// the arguments on in the system code page.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int argc = 0;
    LPWSTR *wideArgv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!wideArgv)
        return SplashLauncher::NotStartedByHost;

    // The strings must outlive the application object, which keeps pointers into them.
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<size_t>(argc));
    for (int i = 0; i < argc; ++i) {
        const int size = WideCharToMultiByte(CP_ACP, 0, wideArgv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(size > 1 ? static_cast<size_t>(size - 1) : 0, '\0');
        if (size > 1)
            WideCharToMultiByte(CP_ACP, 0, wideArgv[i], -1, argument.data(), size, nullptr, nullptr);
        arguments.push_back(std::move(argument));
    }
    LocalFree(wideArgv);

    std::vector<char *> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    return startSplash(argc, argv.data());
}
#else
int main(int argc, char *argv[])
{
    return startSplash(argc, argv);
}
#endif

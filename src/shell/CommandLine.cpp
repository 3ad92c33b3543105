#include "shell/CommandLine.h"

#include "BuildConfig.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace quillet::shell {

namespace {

// Qt's options as QGuiApplication and QApplication take them, with one dash.
constexpr std::array<std::string_view, 14> kQtOptionsWithValue = {
    "-platform",        "-platformpluginpath",
    "-platformtheme",   "-plugin",
    "-display",         "-geometry",
    "-qwindowgeometry", "-title",
    "-qwindowtitle",    "-icon",
    "-qwindowicon",     "-session",
    "-style",           "-stylesheet"};
constexpr std::array<std::string_view, 4> kQtFlags = {"-reverse", "-nograb", "-dograb", "-sync"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

CommandLine readCommandLine(int argc, const char* const* argv)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        std::string_view name = argument;
        if (name.starts_with("--"))
            name.remove_prefix(1);
        const std::string_view bare = name.substr(0, name.find('='));
        if (name == "-h" || name == "-help")
            return {CommandLine::Action::Help, {}, false};
        if (name == "-version")
            return {CommandLine::Action::Version, {}, false};
        if (among(kQtOptionsWithValue, bare)) {
            line.platformNamed = line.platformNamed || bare == "-platform";
            if (bare == name)
                ++i;  // the value follows
            continue;
        }
        if (among(kQtFlags, name))
            continue;
        if (line.action != CommandLine::Action::Refuse) {
            line.action = CommandLine::Action::Refuse;
            line.refused = argument;
        }
    }
    return line;
}

std::string usageText()
{
    return "Usage: quillet [--help | --version]\n"
           "A one-row bar that translates a copied word between English and Portuguese.\n"
           "\n"
           "  -h, --help     print this help and exit\n"
           "      --version  print the version and exit\n"
           "\n"
           "Qt's window options (-platform NAME, -display DISPLAY, -style NAME, ...) are\n"
           "passed to Qt. The bar needs a graphical session: DISPLAY (X11) or\n"
           "WAYLAND_DISPLAY (Wayland), or a platform named in QT_QPA_PLATFORM.\n";
}

int answerCommandLine(const CommandLine& line)
{
    switch (line.action) {
        case CommandLine::Action::Help:
            std::fputs(usageText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::printf("quillet %d.%d\n", build::versionMajor, build::versionMinor);
            return 0;
        case CommandLine::Action::Refuse:
        case CommandLine::Action::Run:
            break;
    }
    std::fprintf(stderr, "quillet: unknown argument '%s'\n%s", line.refused.c_str(),
                 usageText().c_str());
    return 2;
}

}  // namespace quillet::shell

// Sets the Wayland selection with several types, through the program's own
// data-control code, and serves it until another program replaces it; for
// tests that need an offer wl-copy cannot make, such as a password manager's.
// --burst sets it N times over, as fast as the compositor takes it.
// --flood asks the current selection's owner N times for its text, all
// through one pipe filled beforehand and never read: each request costs the
// owner a descriptor and a write that waits, and this client nothing more.
// It asks a message's worth every few milliseconds, so that the compositor
// is not the one overwhelmed: its buffer for the owner holds only so much.
//   quillet_offer_selection [--burst N] TYPE BYTES [TYPE BYTES]...
//   quillet_offer_selection --flood N
// Prints "offered" once the selection is set. A flood fails if the selection
// changes before all is asked.

#include "platform/wayland/DataControl.h"

#include <QCoreApplication>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using quillet::platform::DataControl;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::string mode = argc > 2 ? argv[1] : "";
    const bool flood = mode == "--flood", burst = mode == "--burst";
    const int count = flood || burst ? std::atoi(argv[2]) : 1;
    const int first = flood || burst ? 3 : 1;
    auto control = DataControl::connect();
    if (!control || (flood ? argc != 3 : argc - first < 2 || (argc - first) % 2 != 0)) {
        std::fputs(
            "usage: quillet_offer_selection [--burst N] TYPE BYTES [TYPE BYTES]...\n"
            "       quillet_offer_selection --flood N\n"
            "on a Wayland display that offers data-control\n",
            stderr);
        return 2;
    }

    if (flood) {
        int fds[2];
        static const char block[4096] = {};
        if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0)
            return 1;
        while (::write(fds[1], block, sizeof block) > 0) continue;
        std::string type;
        int asked = 0;
        QTimer ask;
        QObject::connect(&ask, &QTimer::timeout, [&] {
            for (int i = 0; i < 28 && asked < count && control->receiveInto(type, fds[1]); ++i)
                ++asked;
            if (asked == count)
                QCoreApplication::quit();
        });
        control->setSelectionHandler([&](const DataControl::Offer& offer) {
            // A change under the flood: the owner lost its selection.
            if (!type.empty() || offer.types.empty())
                return QCoreApplication::exit(1);
            type = offer.types.front();
            ask.start(5);
        });
        return QCoreApplication::exec();
    }

    std::vector<std::pair<std::string, QByteArray>> contents;
    for (int i = first; i < argc; i += 2) contents.emplace_back(argv[i], argv[i + 1]);
    bool offered = false;
    control->setSelectionHandler([&](const DataControl::Offer& offer) {
        if (offer.own && !offered) {
            offered = true;
            std::puts("offered");
            std::fflush(stdout);
        } else if (offered && !offer.own) {
            QCoreApplication::quit();
        }
    });
    // The compositor drops a client that leaves its events unread for too
    // long, so they are read between the selections too.
    bool ended = false;
    control->setEndHandler([&](const char* why) {
        std::fprintf(stderr, "quillet_offer_selection: %s\n", why);
        ended = true;
        QCoreApplication::exit(1);
    });
    for (int i = 1; i < count && !ended; ++i) {
        while (!control->setSelection(contents) && !ended)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
    }
    if (ended)
        return 1;
    control->setSelection(contents);
    return QCoreApplication::exec();
}

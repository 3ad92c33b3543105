// Sets the Wayland selection with several types, through the program's own
// data-control code, and serves it until another program replaces it; for
// tests that need an offer wl-copy cannot make, such as a password manager's.
//   quillet_offer_selection TYPE BYTES [TYPE BYTES]...
// Prints "offered" once the selection is set.

#include "platform/wayland/DataControl.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    auto control = quillet::platform::DataControl::connect();
    if (!control || argc < 3 || argc % 2 == 0) {
        std::fputs(
            "usage: quillet_offer_selection TYPE BYTES [TYPE BYTES]...\n"
            "on a Wayland display that offers data-control\n",
            stderr);
        return 2;
    }
    std::vector<std::pair<std::string, QByteArray>> contents;
    for (int i = 1; i < argc; i += 2) contents.emplace_back(argv[i], argv[i + 1]);
    bool offered = false;
    control->setSelectionHandler([&](const quillet::platform::DataControl::Offer& offer) {
        if (offer.own && !offered) {
            offered = true;
            std::puts("offered");
            std::fflush(stdout);
        } else if (offered && !offer.own) {
            QCoreApplication::quit();
        }
    });
    control->setSelection(contents);
    return QCoreApplication::exec();
}

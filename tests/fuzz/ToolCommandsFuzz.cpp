// The tool's read-only commands (lookup, translate, dump) on a crafted
// application folder. The first byte says which of the five files of stem "f"
// exist (bits 0-4) and whether the index is a folder instead (bit 5); the rest
// is the catalogue, a NUL, and the bytes every present file holds.
// Each command must end with status 0, 1 or 2 and create nothing.

#include "Command.h"
#include "FuzzTarget.h"
#include "TranslateCommand.h"

#include <iterator>
#include <sstream>

namespace tool = quillet::tool;
using quillet::fuzz::check;

QUILLET_FUZZ_TARGET(bytes)
{
    if (bytes.empty())
        return;
    const unsigned present = static_cast<unsigned char>(bytes[0]);
    const auto [catalogue, records] = quillet::fuzz::splitAt(bytes.substr(1), '\0');
    const std::filesystem::path& folder = quillet::fuzz::scratchFolder();
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove_all(entry.path());
    quillet::fuzz::writeScratchFile("dictionaries.cfg", catalogue);
    const char* const names[] = {"f.qlc", "f.ind", "f.pdt", "f.dcu", "f.dtu"};
    for (unsigned file = 0; file < 5; ++file)
        if (present & (1u << file))
            quillet::fuzz::writeScratchFile(names[file], records);
    if ((present & 0x22u) == 0x20u)
        std::filesystem::create_directory(folder / names[1]);
    const auto count = [&] {
        return std::distance(std::filesystem::directory_iterator(folder), {});
    };
    const auto entries = count();

    std::ostringstream out, err;
    const auto checkStatus = [](int status) {
        check(status >= tool::exitOk && status <= tool::exitUsage);
    };
    for (const std::string row : {"0", "1", "50"}) {
        checkStatus(tool::runLookupCommand({folder.string(), row, "house"}, out, err));
        std::istringstream in("house\nHouses \r\n\n\xC3\xA7\xC3\xA3o\nhouse\n");
        checkStatus(tool::runTranslateCommand(
            {"--language", row.substr(0, 1), folder.string(), row}, in, out, err));
    }
    for (const char* name : names)
        checkStatus(tool::runDumpCommand({(folder / name).string()}, out, err));
    check(count() == entries);
}

// The tool's read-only commands (lookup, translate, dump) on a crafted
// application folder. The first byte says which of the five files of stem "f"
// exist (bits 0-4) and whether the index is a folder instead (bit 5); the rest
// is the catalogue, a NUL, and the bytes every present file holds.
// Each command must end with status 0, 1 or 2 and create nothing.

#include "Command.h"
#include "FuzzFolder.h"
#include "TranslateCommand.h"

#include <cstdlib>
#include <iterator>
#include <sstream>

namespace tool = quillet::tool;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = bytes.find('\0');
    const std::string_view records = split == bytes.npos ? "" : bytes.substr(split + 1);
    const std::filesystem::path& folder = quillet::fuzz::scratchFolder();
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove_all(entry.path());
    quillet::fuzz::writeScratchFile("dictionaries.cfg", bytes.substr(0, split));
    const char* const names[] = {"f.qlc", "f.ind", "f.pdt", "f.dcu", "f.dtu"};
    for (unsigned file = 0; file < 5; ++file)
        if (data[0] & (1u << file))
            quillet::fuzz::writeScratchFile(names[file], records);
    if ((data[0] & 0x22u) == 0x20u)
        std::filesystem::create_directory(folder / names[1]);
    const auto count = [&] {
        return std::distance(std::filesystem::directory_iterator(folder), {});
    };
    const auto entries = count();

    std::ostringstream out, err;
    const auto check = [](int status) {
        if (status < tool::exitOk || status > tool::exitUsage)
            std::abort();
    };
    for (const std::string row : {"0", "1", "50"}) {
        check(tool::runLookupCommand({folder.string(), row, "house"}, out, err));
        std::istringstream in("house\nHouses \r\n\n\xC3\xA7\xC3\xA3o\nhouse\n");
        check(tool::runTranslateCommand({"--language", row.substr(0, 1), folder.string(), row}, in,
                                        out, err));
    }
    for (const char* name : names)
        check(tool::runDumpCommand({(folder / name).string()}, out, err));
    if (count() != entries)
        std::abort();
    return 0;
}

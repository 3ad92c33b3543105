// dump: every record of one dictionary file as a line of JSON, in record
// order, empty records included, encoded fields decoded, nothing trimmed.

#include "Command.h"
#include "CommandErrors.h"
#include "FileBytes.h"
#include "JsonText.h"

#include "core/Paths.h"
#include "dictionary/Decoder.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Records.h"

#include <filesystem>
#include <ostream>

namespace quillet::tool {

namespace {

namespace dict = quillet::dictionary;

dict::FileRole roleOf(const std::filesystem::path& path)
{
    const std::u16string extension = core::fromPath(path.extension());
    for (const dict::FileRole role : dict::kFileRoles)
        if (extension == dict::extensionOf(role))
            return role;
    throw UsageError("cannot tell the kind of '" + path.string() +
                     "': the name must end in .qlc, .ind, .pdt, .dcu or .dtu");
}

}  // namespace

int runDumpCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err)
{
    return runGuarded(
        err, "dump FILE",
        [&] {
            if (arguments.size() != 1)
                throw UsageError("dump takes exactly one file");
            const std::filesystem::path path = core::pathFromText(arguments[0]);
            const dict::FileRole kind = roleOf(path);
            const dict::MappedFile file = mapDictionaryFile(path);
            const bool longRecords =
                kind == dict::FileRole::Details || kind == dict::FileRole::UserDetails;
            const std::size_t length =
                longRecords ? dict::kLongRecordLength : dict::kShortRecordLength;
            const std::string_view all = file.bytes();

            std::size_t number = 0;
            for (std::size_t offset = 0; offset + length <= all.size(); offset += length) {
                // Every 16 MiB the pages printed so far are let go: a mapped
                // file of any size costs the program little memory.
                if (offset % (std::size_t{1} << 24) == 0)
                    file.releasePages();
                const std::string_view record = all.substr(offset, length);
                ++number;
                out << "{\"record\": " << number;
                if (kind == dict::FileRole::Index) {
                    const dict::IndexRecord index = dict::parseIndex(record);
                    out << ", \"key\": " << jsonString(index.key)
                        << ", \"first\": " << index.firstRecord;
                } else {
                    const dict::EntryRecord entry = dict::parseEntry(record);
                    const bool termEncoded =
                        kind == dict::FileRole::Main || kind == dict::FileRole::Details;
                    const bool bodyEncoded = kind == dict::FileRole::Main;
                    out << ", \"term\": "
                        << jsonString(termEncoded ? dict::DecodeField(entry.term) : entry.term)
                        << ", \"body\": "
                        << jsonString(bodyEncoded ? dict::DecodeField(entry.body) : entry.body);
                }
                out << "}\n";
            }
            if (all.size() % length != 0)
                err << "quillet-dict: " << arguments[0] << ": the last " << all.size() % length
                    << " bytes are a short record, which counts as absent\n";
            return int{exitOk};
        });
}

}  // namespace quillet::tool

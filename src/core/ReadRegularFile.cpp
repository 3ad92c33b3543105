#include "core/ReadRegularFile.h"

namespace quillet::core {

FileReadStatus readRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                               std::string& bytes, OpenMode mode)
{
    bytes.clear();
    OpenFile file;
    const FileReadStatus status = file.open(path, maxBytes, mode);
    return status == FileReadStatus::Read ? file.readAll(bytes) : status;
}

}  // namespace quillet::core

#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes away.

#include <filesystem>
#include <random>
#include <string>

namespace quillet::testsupport {

class TempFolder
{
public:
    TempFolder()
    {
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        do {
            m_path = base / ("quillet-test-" + std::to_string(random()) + std::to_string(random()));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace quillet::testsupport

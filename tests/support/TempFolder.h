#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes away. Plain C++, for engine and window tests.

#include <filesystem>
#include <random>
#include <string>

namespace quillet::testsupport {

class TempFolder
{
public:
    // ctest runs tests in parallel processes, so the name must be unique
    // across processes, not only within one.
    TempFolder()
    {
        std::random_device random;
        do
            m_path = std::filesystem::temp_directory_path() /
                     ("quillet-test-" + std::to_string(random()) + std::to_string(random()));
        while (!std::filesystem::create_directory(m_path));
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    // The folder as the program keeps appFolder: ending with the separator.
    std::u16string appFolder() const { return (m_path / "").u16string(); }

private:
    std::filesystem::path m_path;
};

}  // namespace quillet::testsupport

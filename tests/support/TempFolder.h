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
    // across processes, not only within one. Its letters outside ASCII
    // ("Dicionários") make every test that uses it a test of such paths.
    TempFolder()
    {
        std::random_device random;
        do
            m_path = std::filesystem::temp_directory_path() /
                     (u8"quillet-test-Dicion\u00E1rios-" + asUtf8(std::to_string(random())) +
                      asUtf8(std::to_string(random())));
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
    static std::u8string asUtf8(const std::string& ascii)
    {
        return std::u8string(ascii.begin(), ascii.end());
    }

    std::filesystem::path m_path;
};

}  // namespace quillet::testsupport

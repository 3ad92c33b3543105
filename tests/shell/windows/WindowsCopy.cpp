// Copies a text as a Windows program does; with --secret as a password
// manager does, with the format ExcludeClipboardContentFromMonitorProcessing
// beside it, which asks clipboard watchers to leave the copy alone.
// Usage: quillet_windows_copy [--secret] TEXT (ASCII)

#include <windows.h>

#include <cstring>
#include <cwchar>

namespace {

HGLOBAL globalCopy(const void* bytes, std::size_t size)
{
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr)
        return nullptr;
    std::memcpy(::GlobalLock(memory), bytes, size);
    ::GlobalUnlock(memory);
    return memory;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool secret = argc == 3 && std::strcmp(argv[1], "--secret") == 0;
    if (argc != (secret ? 3 : 2))
        return 2;
    wchar_t text[256] = {};
    std::mbstowcs(text, argv[argc - 1], 255);
    const UINT exclusion =
        ::RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
    if (exclusion == 0 || !::OpenClipboard(nullptr))
        return 1;
    ::EmptyClipboard();
    const DWORD none = 0;
    const bool copied =
        (!secret || ::SetClipboardData(exclusion, globalCopy(&none, sizeof none)) != nullptr) &&
        ::SetClipboardData(CF_UNICODETEXT,
                           globalCopy(text, (std::wcslen(text) + 1) * sizeof(wchar_t))) != nullptr;
    ::CloseClipboard();
    return copied ? 0 : 1;
}

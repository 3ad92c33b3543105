#include "dictionary/MappedFile.h"

#include <utility>

#ifndef _WIN32
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>
#include <atomic>
#include <mutex>
#define QUILLET_POSIX_FILES 1
#endif

namespace quillet::dictionary {

#ifdef QUILLET_POSIX_FILES

namespace {

// The mappings the bus-error handler answers for. A slot is in use while its
// start is not zero; the handler reads it with lock-free atomics only.
struct Region
{
    std::atomic<std::uintptr_t> start{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> cut{false};
    std::atomic<bool> taken{false};
};

constexpr int kRegionCount = 64;
Region regions[kRegionCount];
struct sigaction previousAction;
std::uintptr_t pageSize = 4096;

void passOn(int signal, siginfo_t* info, void* context)
{
    if (previousAction.sa_flags & SA_SIGINFO) {
        previousAction.sa_sigaction(signal, info, context);
    } else if (previousAction.sa_handler != SIG_DFL && previousAction.sa_handler != SIG_IGN) {
        previousAction.sa_handler(signal);
    } else {
        // Pending until this handler returns, then handled as if it never ran.
        ::sigaction(signal, &previousAction, nullptr);
        ::raise(signal);
    }
}

// A read of a mapped page the file no longer has. The page is replaced by one
// of zero bytes, which record parsing reads as empty fields, and the read is
// retried on return. (mmap is not on POSIX's list of signal-safe calls, but is
// a plain system call wherever this runs.)
void onBusError(int signal, siginfo_t* info, void* context)
{
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (Region& region : regions) {
        const std::uintptr_t start = region.start.load();
        if (start == 0 || address < start || address >= region.end.load())
            continue;
        void* page = reinterpret_cast<void*>(address & ~(pageSize - 1));
        if (::mmap(page, pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) ==
            MAP_FAILED)
            break;
        region.cut.store(true);
        return;
    }
    passOn(signal, info, context);
}

void installBusErrorHandler()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction action = {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO | SA_RESTART | SA_ONSTACK;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &previousAction);
    });
}

// The slot now answering for [start, start + size), or -1 when all are taken.
int claimRegion(const void* start, std::size_t size)
{
    installBusErrorHandler();
    for (int slot = 0; slot < kRegionCount; ++slot) {
        bool free = false;
        if (!regions[slot].taken.compare_exchange_strong(free, true))
            continue;
        const auto at = reinterpret_cast<std::uintptr_t>(start);
        regions[slot].cut.store(false);
        regions[slot].end.store(at + size);
        regions[slot].start.store(at);
        return slot;
    }
    return -1;
}

void releaseRegion(int slot)
{
    regions[slot].start.store(0);
    regions[slot].end.store(0);
    regions[slot].taken.store(false);
}

}  // namespace

FileReadStatus MappedFile::open(const std::filesystem::path& path, std::uintmax_t maxBytes,
                                FileAccess access)
{
    close();
    core::OpenFile& file = m_file;
    FileReadStatus status = file.open(path, maxBytes, core::OpenMode::Read);
    const std::size_t size = file.size();
    if (status == FileReadStatus::Read && access == FileAccess::Map && size > 0) {
        void* start =
            ::mmap(nullptr, size, PROT_READ, MAP_SHARED, static_cast<int>(file.handle()), 0);
        if (start != MAP_FAILED) {
            m_region = claimRegion(start, size);
            if (m_region >= 0) {
                m_view = std::string_view(static_cast<const char*>(start), size);
                m_mapped = true;
            } else {
                ::munmap(start, size);  // no slot to guard it: read it whole instead
            }
        }
    }
    if (status == FileReadStatus::Read && !m_mapped)
        status = file.readAll(m_copy);
    if (status != FileReadStatus::Read)
        close();
    return status;
}

void MappedFile::close()
{
    if (m_mapped) {
        releaseRegion(m_region);
        ::munmap(const_cast<char*>(m_view.data()), m_view.size());
    }
    m_view = {};
    m_mapped = false;
    m_file.close();
    m_region = -1;
    m_copy.clear();
    m_copy.shrink_to_fit();
}

bool MappedFile::isOpen() const
{
    return m_file.isOpen();
}

bool MappedFile::wasCut() const
{
    return m_mapped && regions[m_region].cut.load(std::memory_order_relaxed);
}

void MappedFile::releasePages() const
{
    if (m_mapped)
        ::madvise(const_cast<char*>(m_view.data()), m_view.size(), MADV_DONTNEED);
}

#else

FileReadStatus MappedFile::open(const std::filesystem::path& path, std::uintmax_t maxBytes,
                                FileAccess)
{
    close();
    FileReadStatus status = m_file.open(path, maxBytes, core::OpenMode::Read);
    if (status == FileReadStatus::Read)
        status = m_file.readAll(m_copy);
    m_file.close();
    if (status == FileReadStatus::Read)
        m_path = path;
    else
        close();
    return status;
}

void MappedFile::close()
{
    m_file.close();
    m_path.clear();
    m_copy.clear();
    m_copy.shrink_to_fit();
}

// The file itself is closed once read.
bool MappedFile::isOpen() const
{
    return !m_path.empty();
}

bool MappedFile::wasCut() const
{
    return false;
}

void MappedFile::releasePages() const {}

#endif

bool MappedFile::isStale() const
{
    if (!isOpen())
        return false;
#ifdef QUILLET_POSIX_FILES
    const std::uintmax_t size = m_file.currentSize();
#else
    // A file that cannot be seen now (perhaps mid-rebuild) keeps its copy.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(m_path, error);
    if (error)
        return false;
#endif
    return wasCut() || size != bytes().size();
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : m_view(std::exchange(other.m_view, {})),
      m_mapped(std::exchange(other.m_mapped, false)),
      m_path(std::exchange(other.m_path, {})),
      m_file(std::move(other.m_file)),
      m_region(std::exchange(other.m_region, -1)),
      m_copy(std::move(other.m_copy))
{
}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept
{
    if (this != &other) {
        close();
        m_view = std::exchange(other.m_view, {});
        m_mapped = std::exchange(other.m_mapped, false);
        m_path = std::exchange(other.m_path, {});
        m_file = std::move(other.m_file);
        m_region = std::exchange(other.m_region, -1);
        m_copy = std::move(other.m_copy);
    }
    return *this;
}

}  // namespace quillet::dictionary

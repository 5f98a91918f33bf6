// SPDX-License-Identifier: MIT
#include "fakes/scratch_folder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace k47::test {
namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    // A folder that cannot be made leaves the path empty, and every write fails.
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate =
            base / ("k47-" + std::to_string(seed()) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate, ec)) {
            m_path = (candidate / "").u16string();
            return;
        }
    }
}

ScratchFolder::~ScratchFolder()
{
    if (m_path.empty())
        return;
    std::error_code ec;
    fs::remove_all(fs::path(m_path), ec);
}

bool ScratchFolder::Write(TextView name, std::string_view bytes) const
{
    if (m_path.empty())
        return false;
    fs::path path(m_path + Text(name));
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

bool ScratchFolder::Remove(TextView name) const
{
    std::error_code ec;
    return fs::remove(fs::path(m_path + Text(name)), ec);
}

} // namespace k47::test

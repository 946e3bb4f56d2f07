// A temporary directory for a test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "core/program_dir.h"

namespace velquist::test {

class TempDir {
public:
    TempDir() {
        std::random_device seed;
        std::mt19937_64 random(seed());
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const std::filesystem::path candidate =
                base / ("velquist-" + std::to_string(random() % 1000000000u));
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec)) {
                m_path = candidate.string();
            }
        }
    }
    ~TempDir() {
        std::error_code ec;
        // Make read-only folders writable again so they can be removed.
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        for (auto& entry : std::filesystem::recursive_directory_iterator(m_path, ec)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
        }
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return joinPath(m_path, name); }

private:
    std::string m_path;
};

}  // namespace velquist::test

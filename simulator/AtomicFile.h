// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Replaces a file's contents in one step: the bytes go to a scratch file beside it, which is renamed
// over the file only once complete, so a reader sees the old contents or the new, never a part.
class AtomicFile {
public:
    // Flushed bytes survive a crash of the machine; unflushed ones are for files that stand for what a
    // running system keeps in memory, which a crash loses anyway.
    enum class Durability { flushed, unflushed };

    // On failure the old file is untouched, the scratch file is gone and error says why.
    [[nodiscard]] static bool write(const std::string& path, std::string_view bytes, std::string& error,
                                    Durability durability = Durability::flushed);

private:
    // A symbolic link is written through, so the file it names changes and the link stays.
    [[nodiscard]] static std::string resolveLinks(const std::string& path);
    [[nodiscard]] static std::string folderOf(const std::string& path);
    // A file without a name in folder, or -1 where the system or file system has none. It leaves
    // nothing behind if the process is killed while writing, as it is named only once complete.
    [[nodiscard]] static int openUnnamed(const std::string& folder, unsigned mode);
    [[nodiscard]] static bool writeAll(int descriptor, std::string_view bytes);
    // Calls place with unused names beside target until it succeeds (returns 0) or fails otherwise
    // (returns errno); the name that worked, or empty.
    [[nodiscard]] static std::string claimName(const std::string& target,
                                               const std::function<int(const std::string&)>& place);
};

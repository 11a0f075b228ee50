// SPDX-License-Identifier: MIT
// The simulated `defaults`, run in-process on arbitrary arguments against a scratch folder that holds
// a customised Dock. An input is its arguments separated by NUL characters (which no argument can
// hold), then an empty argument, then the bytes of the file that `import` reads; `export` and
// `import` always get a path inside the scratch folder, so nothing outside it is touched.
//
// Beyond not crashing: a run that fails leaves the domain byte for byte as it was, and every domain
// file a run leaves behind reads back as a dictionary, holds only text the tool accepts, and prints.
#include "../FuzzRequire.h"
#include "AtomicFile.h"
#include "DefaultsCommand.h"
#include "DomainStore.h"
#include "FolderFiles.h"
#include "SimulatorFolder.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view dock = "com.apple.dock";

class Scratch {
public:
    Scratch() {
        // TMPDIR may point at a memory file system, where the tool's flushes to disk cost nothing.
        const char* temporary = std::getenv("TMPDIR");
        std::string folderTemplate =
            std::string(temporary && temporary[0] == '/' ? temporary : "/tmp") + "/fuzz-defaults-XXXXXX";
        require(::mkdtemp(folderTemplate.data()) != nullptr, "no scratch folder");
        m_root = folderTemplate;
        m_sink = std::fopen("/dev/null", "w");
        // A domain shaped like a used Dock: typed values, tile lists and a nested dictionary.
        const SimulatorFolder seedFolder(m_root + "/seed");
        for (const std::vector<std::string_view>& arguments : std::vector<std::vector<std::string_view>>{
                 {"write", dock, "tilesize", "-int", "48"},
                 {"write", dock, "autohide", "-bool", "yes"},
                 {"write", dock, "persistent-apps", "-array-add", R"({"tile-type"="spacer-tile";})"},
                 {"write", dock, "persistent-others", "-array-add",
                  R"({"tile-data"={"list-type"=4;};"tile-type"="recents-tile";})"}})
            require(DefaultsCommand(DomainStore(seedFolder), m_sink, m_sink).run(arguments) == 0, "no seed");
        m_seed = FolderFiles(seedFolder.path()).read(std::string(dock) + ".plist").value_or("");
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
        std::fclose(m_sink);
    }

    // An empty folder again, holding only the seeded Dock, which is not cached yet.
    SimulatorFolder reset() const {
        std::error_code ignored;
        const std::string path = m_root + "/domains";
        std::filesystem::remove_all(path, ignored);
        std::string error;
        require(FolderFiles(path).write(std::string(dock) + ".plist", m_seed, error), "cannot seed the Dock");
        return SimulatorFolder(path);
    }

    [[nodiscard]] std::string file() const { return m_root + "/file.plist"; }
    [[nodiscard]] std::FILE* sink() const { return m_sink; }

private:
    std::string m_root;
    std::string m_seed;
    std::FILE* m_sink = nullptr;
};

std::optional<std::string> domainBytes(const std::string& folder, std::string_view domain) {
    if (!DomainStore::isValidName(domain))
        return std::nullopt;
    return FolderFiles(folder).read(std::string(domain) + ".plist");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Scratch scratch;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> words;
    std::string_view file;
    for (;;) {
        const size_t end = input.find('\0');
        if (end == std::string_view::npos) {
            if (!input.empty())
                words.emplace_back(input);
            break;
        }
        if (end == 0) {
            file = input.substr(1);
            break;
        }
        words.emplace_back(input.substr(0, end));
        input.remove_prefix(end + 1);
    }
    if (words.size() == 3 && (words[0] == "import" || (words[0] == "export" && words[2] != "-")))
        words[2] = scratch.file();

    const SimulatorFolder folder = scratch.reset();
    std::string error;
    require(AtomicFile::write(scratch.file(), file, error), "cannot write the file");
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    const std::string_view domain = words.size() > 1 ? std::string_view(words[1]) : dock;
    const std::optional<std::string> before = domainBytes(folder.path(), domain);

    const int status = DefaultsCommand(DomainStore(folder), scratch.sink(), scratch.sink()).run(arguments);

    if (status != 0)
        require(domainBytes(folder.path(), domain) == before, "a failed run changed the domain");
    const DomainStore store(folder);
    for (const std::string_view checked : {dock, domain}) {
        if (!DomainStore::isValidName(checked) || !store.exists(checked))
            continue;
        const DomainStore::Domain loaded = store.read(checked);
        require(loaded.state == DomainStore::State::Loaded, "a domain file does not read back");
        require(DomainStore::refusalReason(loaded.dictionary.get()).empty(),
                "a domain holds text it would refuse");
        const std::vector<std::string_view> read{"read", checked};
        require(DefaultsCommand(store, scratch.sink(), scratch.sink()).run(read) == 0,
                "the domain does not print");
    }
    return 0;
}

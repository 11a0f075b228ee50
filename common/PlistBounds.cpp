// SPDX-License-Identifier: MIT
#include "PlistBounds.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr size_t trailerSize = 32;

std::optional<uint64_t> bigEndian(std::string_view bytes, size_t offset, size_t width) {
    if (width == 0 || width > 8 || offset > bytes.size() || bytes.size() - offset < width)
        return std::nullopt;
    uint64_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

// The binary format's object table, read as libplist reads it: only arrays, sets and dictionaries
// refer to other objects.
class ObjectTable {
public:
    // Nothing when the trailer or the offset table is not one libplist would read either.
    static std::optional<ObjectTable> read(std::string_view bytes) {
        if (bytes.size() < 8 + trailerSize)
            return std::nullopt;
        const size_t trailer = bytes.size() - trailerSize;
        ObjectTable table(bytes);
        table.m_offsetSize = static_cast<unsigned char>(bytes[trailer + 6]);
        table.m_referenceSize = static_cast<unsigned char>(bytes[trailer + 7]);
        const uint64_t count = bigEndian(bytes, trailer + 8, 8).value_or(0);
        table.m_top = bigEndian(bytes, trailer + 16, 8).value_or(0);
        table.m_offsetTable = bigEndian(bytes, trailer + 24, 8).value_or(0);
        if (count == 0 || table.m_top >= count || table.m_offsetSize == 0 || table.m_offsetSize > 8 ||
            table.m_referenceSize == 0 || table.m_referenceSize > 8 || table.m_offsetTable > trailer ||
            count > (trailer - table.m_offsetTable) / table.m_offsetSize)
            return std::nullopt;
        table.m_count = count;
        return table;
    }

    [[nodiscard]] uint64_t count() const { return m_count; }
    [[nodiscard]] uint64_t top() const { return m_top; }

    // The objects that object refers to; nothing when it cannot be read.
    [[nodiscard]] std::optional<std::vector<uint64_t>> references(uint64_t object) const {
        const std::optional<uint64_t> offset =
            bigEndian(m_bytes, m_offsetTable + object * m_offsetSize, m_offsetSize);
        if (!offset || *offset >= m_bytes.size())
            return std::nullopt;
        size_t position = *offset;
        const auto marker = static_cast<unsigned char>(m_bytes[position++]);
        const unsigned type = marker >> 4;
        const bool array = type == 0xa || type == 0xc;
        if (!array && type != 0xd)
            return std::vector<uint64_t>();
        uint64_t length = marker & 0x0f;
        if (length == 0x0f) {
            // The length follows as an integer object of 1, 2, 4 or 8 bytes.
            if (position >= m_bytes.size() || (static_cast<unsigned char>(m_bytes[position]) >> 4) != 0x1)
                return std::nullopt;
            const size_t width = size_t(1) << (m_bytes[position] & 0x0f);
            const std::optional<uint64_t> counted = bigEndian(m_bytes, position + 1, width);
            if (!counted)
                return std::nullopt;
            length = *counted;
            position += 1 + width;
        }
        if (length > m_bytes.size())
            return std::nullopt;
        const uint64_t total = array ? length : 2 * length;
        if (total > (m_bytes.size() - position) / m_referenceSize)
            return std::nullopt;
        std::vector<uint64_t> result;
        result.reserve(size_t(total));
        for (uint64_t i = 0; i < total; ++i) {
            const uint64_t reference = *bigEndian(m_bytes, position + i * m_referenceSize, m_referenceSize);
            if (reference >= m_count)
                return std::nullopt;
            result.push_back(reference);
        }
        return result;
    }

private:
    explicit ObjectTable(std::string_view bytes)
        : m_bytes(bytes) {}

    std::string_view m_bytes;
    uint64_t m_count = 0;
    uint64_t m_top = 0;
    uint64_t m_offsetTable = 0;
    size_t m_offsetSize = 0;
    size_t m_referenceSize = 0;
};

} // namespace

bool PlistBounds::hold(std::string_view bytes) {
    // libplist's own test for the binary format.
    return bytes.starts_with("bplist00") ? binaryHolds(bytes) : xmlHolds(bytes);
}

bool PlistBounds::binaryHolds(std::string_view bytes) {
    const std::optional<ObjectTable> table = ObjectTable::read(bytes);
    if (!table)
        return true;
    // Depth and expanded size of every object reachable from the top, each worked out once and
    // without recursion: an object is entered, then finished once everything it refers to is.
    enum class State : unsigned char { Unseen, Entered, Finished };
    struct Shape {
        State state = State::Unseen;
        int depth = 0;
        uint64_t values = 0;
    };
    struct Entered {
        uint64_t object;
        std::vector<uint64_t> references;
        size_t next = 0;
    };
    std::vector<Shape> shapes(size_t(table->count()));
    std::vector<Entered> path;
    // An object that cannot be read is refused here rather than trusted to fail in libplist.
    const auto enter = [&](uint64_t object) {
        std::optional<std::vector<uint64_t>> references = table->references(object);
        if (!references)
            return false;
        shapes[object].state = State::Entered;
        path.push_back({object, std::move(*references)});
        return true;
    };
    if (!enter(table->top()))
        return false;
    while (!path.empty()) {
        Entered& current = path.back();
        if (current.next < current.references.size()) {
            const uint64_t reference = current.references[current.next++];
            // A reference back into the path is a cycle, which libplist refuses.
            if (shapes[reference].state == State::Entered)
                return true;
            if (shapes[reference].state == State::Unseen &&
                (path.size() >= size_t(maximumDepth) || !enter(reference)))
                return false;
            continue;
        }
        Shape& shape = shapes[current.object];
        shape.state = State::Finished;
        shape.values = 1;
        for (const uint64_t reference : current.references) {
            shape.depth = std::max(shape.depth, shapes[reference].depth + 1);
            shape.values = std::min(shape.values + shapes[reference].values, maximumValues + 1);
        }
        if (shape.depth >= maximumDepth || shape.values > maximumValues)
            return false;
        path.pop_back();
    }
    return true;
}

bool PlistBounds::xmlHolds(std::string_view bytes) {
    // Elements bound both the nesting and the number of values: XML shares nothing.
    int depth = 0;
    uint64_t elements = 0;
    for (size_t position = bytes.find('<'); position != std::string_view::npos;
         position = bytes.find('<', position)) {
        const std::string_view rest = bytes.substr(position);
        std::string_view end = ">";
        if (rest.starts_with("<!--"))
            end = "-->";
        else if (rest.starts_with("<![CDATA["))
            end = "]]>";
        else if (rest.starts_with("<?"))
            end = "?>";
        const size_t close = rest.find(end, 1);
        if (close == std::string_view::npos)
            return true;
        const std::string_view tag = rest.substr(0, close + end.size());
        position += tag.size();
        if (tag.starts_with("<!") || tag.starts_with("<?"))
            continue;
        // A stray closing tag must not make room for more nesting.
        if (tag.starts_with("</")) {
            depth = std::max(depth - 1, 0);
            continue;
        }
        if (++elements > maximumValues || (!tag.ends_with("/>") && ++depth > maximumDepth))
            return false;
    }
    return true;
}

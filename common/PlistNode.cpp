// SPDX-License-Identifier: MIT
#include "PlistNode.h"

#include "PlistBounds.h"

#include <cstdint>
#include <limits>
#include <utility>

PlistNode::~PlistNode() {
    if (m_node)
        plist_free(m_node);
}

PlistNode& PlistNode::operator=(PlistNode&& other) noexcept {
    if (this != &other) {
        if (m_node)
            plist_free(m_node);
        m_node = other.release();
    }
    return *this;
}

PlistNode PlistNode::fromBytes(std::string_view bytes) {
    // libplist takes a 32-bit length and reports every kind of failure as a null result.
    if (bytes.empty() || bytes.size() > std::numeric_limits<uint32_t>::max() || !PlistBounds::hold(bytes))
        return {};
    plist_t node = nullptr;
    plist_from_memory(bytes.data(), uint32_t(bytes.size()), &node);
    return PlistNode(node);
}

plist_t PlistNode::release() {
    return std::exchange(m_node, nullptr);
}

std::string PlistNode::toBinary() const {
    char* data = nullptr;
    uint32_t length = 0;
    plist_to_bin(m_node, &data, &length);
    std::string bytes(data ? data : "", length);
    plist_to_bin_free(data);
    return bytes;
}

std::string PlistNode::toXml() const {
    char* data = nullptr;
    uint32_t length = 0;
    plist_to_xml(m_node, &data, &length);
    std::string bytes(data ? data : "", length);
    plist_to_xml_free(data);
    return bytes;
}

// SPDX-License-Identifier: MIT
#pragma once

#include <plist/plist.h>

#include <string>
#include <string_view>

// Sole owner of one libplist tree, freed when the owner goes away.
class PlistNode {
public:
    PlistNode() = default;
    explicit PlistNode(plist_t node)
        : m_node(node) {}
    ~PlistNode();
    PlistNode(PlistNode&& other) noexcept
        : m_node(other.release()) {}
    PlistNode& operator=(PlistNode&& other) noexcept;
    PlistNode(const PlistNode&) = delete;
    PlistNode& operator=(const PlistNode&) = delete;

    // Decodes a binary or XML property list; the result is empty when the bytes are neither, or nest
    // or expand past what libplist can take.
    [[nodiscard]] static PlistNode fromBytes(std::string_view bytes);

    [[nodiscard]] plist_t get() const { return m_node; }
    [[nodiscard]] plist_type type() const { return m_node ? plist_get_node_type(m_node) : PLIST_NONE; }
    [[nodiscard]] bool isNull() const { return m_node == nullptr; }
    // Hands the tree over, typically to a container that then owns it.
    [[nodiscard]] plist_t release();

    [[nodiscard]] std::string toBinary() const;
    [[nodiscard]] std::string toXml() const;

private:
    plist_t m_node = nullptr;
};

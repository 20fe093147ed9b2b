#pragma once

#include <memory>
#include <string>
#include <vector>

namespace qf::platform {

// The nodes behind the directory tree control: one root, each level read from the disk on its
// node's first expansion and kept until the tree is started over.
class DirectoryTree {
public:
    struct Node {
        std::string name; // the drive's root path for the root node
        Node* parent = nullptr;
        std::vector<std::unique_ptr<Node>> children; // sorted byte-wise by name
        std::size_t index = 0;                       // place among the parent's children
        int depth = 0;
        bool read = false;
        bool expanded = false;
        int row = -1;               // place among the visible rows when it is one
        mutable int textWidth = -1; // the control's measure of the name, once taken

        bool hasNextSibling() const { return parent && index + 1 < parent->children.size(); }
    };

    // Starts over with the root node alone, collapsed and not read.
    void reset(const std::string& rootPath);
    Node* root() const { return root_.get(); }

    // The root's path and the names down to the node, joined by '/' without doubling it.
    std::string pathOf(const Node* node) const;

    void expand(Node* node);
    // Collapses the node and every node below it.
    void collapse(Node* node);
    // Expands every node below, reading every level, and enters each directory once: a link
    // back to a directory already on the way is shown but not followed.
    void expandAll(Node* node);

    // Expands the nodes down to path and returns its node. A name the listing does not show
    // (a hidden or dot name, an unreadable level) is added on the way, so the walk always
    // reaches the directory itself. A path outside the root gives the root.
    Node* walkTo(const std::string& path);

    // The expanded part of the tree, top to bottom.
    const std::vector<Node*>& rows();
    // Whether below is node or lies under it.
    static bool isWithin(const Node* below, const Node* node);

private:
    void read(Node* node);
    Node* childNamed(Node* parent, const std::string& name);
    Node* insertChild(Node* parent, std::string name);

    std::unique_ptr<Node> root_;
    std::vector<Node*> rows_;
    bool rowsDirty_ = true;
};

} // namespace qf::platform

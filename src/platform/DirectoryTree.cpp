#include "platform/DirectoryTree.h"

#include "platform/host/Directory.h"
#include "platform/host/Drives.h"
#include "platform/host/IoError.h"

#include <algorithm>
#include <set>
#include <sys/stat.h>

namespace qf::platform {

namespace {

bool byName(const std::unique_ptr<DirectoryTree::Node>& node, const std::string& name) {
    return node->name < name;
}

// Who a directory is, whatever link led to it; nothing when it cannot be asked.
using Identity = std::pair<dev_t, ino_t>;
bool identityOf(const std::string& path, Identity& identity) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    identity = {st.st_dev, st.st_ino};
    return true;
}

} // namespace

void DirectoryTree::reset(const std::string& rootPath) {
    rows_.clear();
    root_ = std::make_unique<Node>();
    root_->name = rootPath;
    rowsDirty_ = true;
}

std::string DirectoryTree::pathOf(const Node* node) const {
    std::vector<const Node*> chain;
    for (; node->parent; node = node->parent)
        chain.push_back(node);
    std::string path = node->name;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (path.empty() || path.back() != '/')
            path += '/';
        path += (*it)->name;
    }
    return path;
}

void DirectoryTree::read(Node* node) {
    node->read = true;
    std::vector<std::string> names;
    try {
        for (auto& entry : listDirectory(pathOf(node)))
            if (entry.kind == EntryKind::Directory && !entry.hidden && entry.name[0] != '.')
                names.push_back(std::move(entry.name));
    } catch (const IoError&) {
        // A level that cannot be listed shows no subdirectories, as an empty one does.
        return;
    }
    std::sort(names.begin(), names.end());
    node->children.reserve(names.size());
    for (auto& name : names) {
        auto child = std::make_unique<Node>();
        child->name = std::move(name);
        child->parent = node;
        child->index = node->children.size();
        child->depth = node->depth + 1;
        node->children.push_back(std::move(child));
    }
}

void DirectoryTree::expand(Node* node) {
    if (!node->read)
        read(node);
    if (!node->expanded) {
        node->expanded = true;
        rowsDirty_ = true;
    }
}

void DirectoryTree::collapse(Node* node) {
    std::vector<Node*> pending{node};
    while (!pending.empty()) {
        Node* current = pending.back();
        pending.pop_back();
        current->expanded = false;
        for (auto& child : current->children)
            pending.push_back(child.get());
    }
    rowsDirty_ = true;
}

void DirectoryTree::expandAll(Node* node) {
    std::set<Identity> entered;
    for (const Node* above = node->parent; above; above = above->parent) {
        Identity identity;
        if (identityOf(pathOf(above), identity))
            entered.insert(identity);
    }
    std::vector<Node*> pending{node};
    while (!pending.empty()) {
        Node* current = pending.back();
        pending.pop_back();
        Identity identity;
        if (!identityOf(pathOf(current), identity) || !entered.insert(identity).second)
            continue;
        expand(current);
        for (auto& child : current->children)
            pending.push_back(child.get());
    }
}

DirectoryTree::Node* DirectoryTree::childNamed(Node* parent, const std::string& name) {
    auto& children = parent->children;
    const auto found = std::lower_bound(children.begin(), children.end(), name, byName);
    return found != children.end() && (*found)->name == name ? found->get() : nullptr;
}

DirectoryTree::Node* DirectoryTree::insertChild(Node* parent, std::string name) {
    auto& children = parent->children;
    const auto place = std::lower_bound(children.begin(), children.end(), name, byName);
    auto child = std::make_unique<Node>();
    child->name = std::move(name);
    child->parent = parent;
    child->depth = parent->depth + 1;
    Node* added = children.insert(place, std::move(child))->get();
    for (std::size_t i = 0; i < children.size(); ++i)
        children[i]->index = i;
    rowsDirty_ = true;
    return added;
}

DirectoryTree::Node* DirectoryTree::walkTo(const std::string& path) {
    Node* node = root_.get();
    if (!isPathPrefix(node->name, path))
        return node;
    std::size_t start = node->name.size();
    while (start < path.size()) {
        if (path[start] == '/') {
            ++start;
            continue;
        }
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string name = path.substr(start, end - start);
        expand(node);
        Node* child = childNamed(node, name);
        node = child ? child : insertChild(node, name);
        start = end;
    }
    return node;
}

const std::vector<DirectoryTree::Node*>& DirectoryTree::rows() {
    if (!rowsDirty_)
        return rows_;
    for (Node* old : rows_)
        old->row = -1;
    rows_.clear();
    std::vector<Node*> pending{root_.get()};
    while (!pending.empty()) {
        Node* node = pending.back();
        pending.pop_back();
        node->row = static_cast<int>(rows_.size());
        rows_.push_back(node);
        if (node->expanded)
            for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
                pending.push_back(it->get());
    }
    rowsDirty_ = false;
    return rows_;
}

bool DirectoryTree::isWithin(const Node* below, const Node* node) {
    for (; below; below = below->parent)
        if (below == node)
            return true;
    return false;
}

} // namespace qf::platform

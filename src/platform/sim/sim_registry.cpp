#include "platform/sim/sim_registry.h"

#include <algorithm>

#include "platform/text.h"

namespace hv::sim {

struct SimRegistry::Key {
    std::string name;
    Key* parent = nullptr;
    std::vector<std::unique_ptr<Key>> children;
    std::vector<NamedRegValue> values;

    Key* child(const std::string& childName) {
        for (auto& c : children)
            if (equalsNoCase(c->name, childName)) return c.get();
        return nullptr;
    }
    NamedRegValue* value(const std::string& valueName) {
        for (auto& v : values)
            if (equalsNoCase(v.name, valueName)) return &v;
        return nullptr;
    }
};

namespace {
std::vector<std::string> keyParts(const std::string& subKey) {
    std::vector<std::string> parts;
    for (auto& piece : splitAll(subKey, '\\'))
        if (!piece.empty()) parts.push_back(piece);
    return parts;
}

bool isStringType(RegType type) {
    return type == RegType::Sz || type == RegType::ExpandSz || type == RegType::MultiSz;
}
}  // namespace

std::string rootName(RootKey root) {
    switch (root) {
        case kClassesRoot:
            return "HKEY_CLASSES_ROOT";
        case kCurrentUser:
            return "HKEY_CURRENT_USER";
        case kLocalMachine:
            return "HKEY_LOCAL_MACHINE";
        case kUsers:
            return "HKEY_USERS";
        case kPerformanceData:
            return "HKEY_PERFORMANCE_DATA";
        case kCurrentConfig:
            return "HKEY_CURRENT_CONFIG";
        case kDynData:
            return "HKEY_DYN_DATA";
        default:
            return {};
    }
}

SimRegistry::SimRegistry() {
    for (RootKey root = kClassesRoot; root <= kDynData; ++root) {
        roots_[root] = std::make_unique<Key>();
        roots_[root]->name = rootName(root);
    }
}

SimRegistry::~SimRegistry() = default;

long SimRegistry::fault(std::string_view op, RootKey root, const std::string& subKey) {
    return faults ? faults(op, rootName(root) + "\\" + subKey) : kSuccess;
}

SimRegistry::Key* SimRegistry::find(RootKey root, const std::string& subKey) {
    auto it = roots_.find(root);
    if (it == roots_.end()) return nullptr;
    Key* key = it->second.get();
    for (const auto& part : keyParts(subKey)) {
        key = key->child(part);
        if (!key) return nullptr;
    }
    return key;
}

long SimRegistry::queryValue(RootKey root, const std::string& subKey, const std::string& name,
                             std::size_t bufferBytes, RegValue& out) {
    if (long f = fault("queryValue", root, subKey)) return f;
    Key* key = find(root, subKey);
    if (!key) return kFileNotFound;
    NamedRegValue* found = key->value(name);
    if (!found) return kFileNotFound;
    // String data is stored with its terminating NUL.
    const std::size_t bytes = found->value.data.size() + (isStringType(found->value.type) ? 1 : 0);
    if (bytes > bufferBytes) return kMoreData;
    out = found->value;
    return kSuccess;
}

long SimRegistry::setValue(RootKey root, const std::string& subKey, const std::string& name,
                           const RegValue& value) {
    if (long f = fault("setValue", root, subKey)) return f;
    Key* key = find(root, subKey);
    if (!key) return kFileNotFound;
    if (NamedRegValue* found = key->value(name))
        found->value = value;
    else
        key->values.push_back({name, value});
    return kSuccess;
}

long SimRegistry::createKey(RootKey root, const std::string& subKey) {
    if (long f = fault("createKey", root, subKey)) return f;
    auto it = roots_.find(root);
    if (it == roots_.end()) return 6;  // ERROR_INVALID_HANDLE
    Key* key = it->second.get();
    for (const auto& part : keyParts(subKey)) {
        Key* next = key->child(part);
        if (!next) {
            auto made = std::make_unique<Key>();
            made->name = part;
            made->parent = key;
            next = made.get();
            key->children.push_back(std::move(made));
        }
        key = next;
    }
    return kSuccess;
}

long SimRegistry::deleteKey(RootKey root, const std::string& subKey) {
    if (long f = fault("deleteKey", root, subKey)) return f;
    Key* key = find(root, subKey);
    if (!key) return kFileNotFound;
    if (!key->parent || !key->children.empty()) return kAccessDenied;
    auto& siblings = key->parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                [key](const auto& c) { return c.get() == key; }));
    removed.push_back(rootName(root) + "\\" + subKey);
    return kSuccess;
}

long SimRegistry::deleteTree(RootKey root, const std::string& subKey) {
    if (long f = fault("deleteTree", root, subKey)) return f;
    Key* key = find(root, subKey);
    if (!key) return kFileNotFound;
    if (!key->parent) {
        // A root cannot go; its content does.
        key->children.clear();
        key->values.clear();
    } else {
        auto& siblings = key->parent->children;
        siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                    [key](const auto& c) { return c.get() == key; }));
    }
    removed.push_back(rootName(root) + "\\" + subKey);
    return kSuccess;
}

long SimRegistry::deleteValue(RootKey root, const std::string& subKey, const std::string& name) {
    if (long f = fault("deleteValue", root, subKey)) return f;
    Key* key = find(root, subKey);
    if (!key) return kFileNotFound;
    auto it = std::find_if(key->values.begin(), key->values.end(),
                           [&](const NamedRegValue& v) { return equalsNoCase(v.name, name); });
    if (it == key->values.end()) return kFileNotFound;
    key->values.erase(it);
    removed.push_back(rootName(root) + "\\" + subKey + "\\" + name);
    return kSuccess;
}

long SimRegistry::enumValues(RootKey root, const std::string& subKey,
                             std::vector<NamedRegValue>& out) {
    out.clear();
    if (long f = fault("enumValues", root, subKey)) return f;
    Key* key = find(root, subKey);
    if (!key) return kFileNotFound;
    out = key->values;
    return kSuccess;
}

long SimRegistry::enumKeys(RootKey root, const std::string& subKey, std::vector<std::string>& out) {
    out.clear();
    if (long f = fault("enumKeys", root, subKey)) return f;
    Key* key = find(root, subKey);
    if (!key) return kFileNotFound;
    for (const auto& c : key->children) out.push_back(c->name);
    // Windows lists sub-keys in name order, without regard to case.
    std::sort(out.begin(), out.end(),
              [](const std::string& a, const std::string& b) { return toLower(a) < toLower(b); });
    return kSuccess;
}

bool SimRegistry::keyExists(RootKey root, const std::string& subKey) {
    return find(root, subKey) != nullptr;
}

std::optional<std::string> SimRegistry::value(RootKey root, const std::string& subKey,
                                              const std::string& name) {
    Key* key = find(root, subKey);
    if (!key) return std::nullopt;
    NamedRegValue* found = key->value(name);
    if (!found) return std::nullopt;
    return found->value.data;
}

void SimRegistry::setString(RootKey root, const std::string& subKey, const std::string& name,
                            const std::string& text) {
    createKey(root, subKey);
    setValue(root, subKey, name, RegValue{RegType::Sz, text});
}

}  // namespace hv::sim

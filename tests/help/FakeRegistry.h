// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A registry held in memory that behaves like the system's single-byte calls and records what was asked.

#include "platform/SystemRegistry.h"

#include <QByteArray>
#include <QString>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

class FakeRegistry final : public velista::SystemRegistry {
public:
    struct Value {
        std::uint32_t type;
        QByteArray bytes;
    };

    void SetValue(const std::string& path, const std::string& name, Value value)
    {
        keys_[path][name] = std::move(value);
    }
    void AddKey(const std::string& path) { keys_[path]; }

    bool OpenKey(Key root, const std::string& path, std::uint32_t access, Key& opened) override
    {
        openedPaths.push_back(path);
        accesses.push_back(access);
        if (root != HKeyLocalMachine || !keys_.contains(path))
            return false;
        opened = nextHandle_++;
        handles_[opened] = path;
        open.insert(opened);
        return true;
    }

    bool QueryValue(Key key, const std::string& name, std::uint32_t& type, char* buffer,
                    std::uint32_t& size) override
    {
        const auto& values = keys_.at(handles_.at(key));
        const auto found = values.find(name);
        if (found == values.end())
            return false;
        const auto needed = static_cast<std::uint32_t>(found->second.bytes.size());
        if (needed > size) {
            size = needed;
            return false;
        }
        std::memcpy(buffer, found->second.bytes.constData(), needed);
        size = needed;
        type = found->second.type;
        return true;
    }

    void CloseKey(Key key) override { open.erase(key); }

    std::vector<std::string> openedPaths;
    std::vector<std::uint32_t> accesses;
    std::set<Key> open;

private:
    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<Key, std::string> handles_;
    Key nextHandle_ = 0x100;
};

#pragma once

#include <map>
#include <optional>
#include <string>

namespace tallo {

// Read access to environment variables, so that tests can point every lookup of the
// platform layer at temporary folders without touching the process environment.
class Environment {
public:
    virtual ~Environment() = default;
    virtual std::optional<std::string> Get(const std::string& name) const = 0;
};

// The process environment.
class SystemEnvironment : public Environment {
public:
    std::optional<std::string> Get(const std::string& name) const override;
    static const SystemEnvironment& Instance();
};

// A fixed set of variables; everything else is unset.
class MapEnvironment : public Environment {
public:
    MapEnvironment() = default;
    explicit MapEnvironment(std::map<std::string, std::string> values)
        : values_(std::move(values)) {}
    void Set(const std::string& name, const std::string& value) { values_[name] = value; }
    std::optional<std::string> Get(const std::string& name) const override;

private:
    std::map<std::string, std::string> values_;
};

} // namespace tallo

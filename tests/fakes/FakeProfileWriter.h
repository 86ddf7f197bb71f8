// A profile writer that records every call and can be told to refuse a write.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ProfileWriter.h"

namespace mirevo::testing_support {

class FakeProfileWriter final : public IProfileWriter {
public:
    struct Call {
        std::string section, key, value, path;  // a flush has only a path
        bool flush = false;
        bool operator==(const Call&) const = default;
    };

    static Call Write(std::string section, std::string key, std::string value, std::string path);
    static Call FlushOf(std::string path);

    // Refuses the write with this 0-based index among the writes, and records it as made.
    void RefuseWrite(std::size_t index) { refused_ = index; }

    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override;
    void Flush(const std::string& path) override;

    const std::vector<Call>& Calls() const { return calls_; }

private:
    std::vector<Call> calls_;
    std::size_t writes_ = 0;
    std::optional<std::size_t> refused_;
};

}  // namespace mirevo::testing_support

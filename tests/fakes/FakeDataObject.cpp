#include "tests/fakes/FakeDataObject.h"

#include <utility>

namespace mirevo::testing_support {

namespace {

class FakeMedium final : public IDragMedium {
public:
    FakeMedium(std::uint32_t kind, const std::string& bytes, int& released)
        : kind_(kind), bytes_(bytes), released_(released) {}
    ~FakeMedium() override { ++released_; }

    std::uint32_t StorageKind() const override { return kind_; }

    void ReadGlobalMemory(
        const std::function<void(std::span<const std::uint8_t>)>& read) const override {
        if (kind_ != kStorageGlobalMemory) return;
        read({reinterpret_cast<const std::uint8_t*>(bytes_.data()), bytes_.size()});
    }

private:
    std::uint32_t kind_;
    std::string bytes_;
    int& released_;
};

}  // namespace

FakeDataObject::FakeDataObject(std::int32_t result, std::uint32_t storageKind, std::string bytes)
    : result_(result), storageKind_(storageKind), bytes_(std::move(bytes)) {}

FakeDataObject FakeDataObject::GlobalText(const std::string& text) {
    return FakeDataObject(0, kStorageGlobalMemory, text + '\0');
}

IDragData::Result FakeDataObject::GetData(const DragDataFormat& format) {
    requests.push_back(format);
    if (log) log->push_back("GetData");
    if (result_ < 0) return {result_, nullptr};
    return {result_, std::make_unique<FakeMedium>(storageKind_, bytes_, released)};
}

}  // namespace mirevo::testing_support

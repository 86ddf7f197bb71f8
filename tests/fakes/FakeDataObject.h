// Dragged data for tests: answers GetData as told and records requests and releases.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/DragDropData.h"

namespace mirevo::testing_support {

class FakeDataObject final : public IDragData {
public:
    // Hands over bytes in storage of the given kind, with result (0 is S_OK). A failing
    // result hands over nothing.
    FakeDataObject(std::int32_t result, std::uint32_t storageKind, std::string bytes);

    // Text in global memory, with its zero byte.
    static FakeDataObject GlobalText(const std::string& text);

    Result GetData(const DragDataFormat& format) override;

    std::vector<DragDataFormat> requests;
    int released = 0;                         // media handed over and released again
    std::vector<std::string>* log = nullptr;  // when set, "GetData" is appended per request

private:
    std::int32_t result_;
    std::uint32_t storageKind_;
    std::string bytes_;
};

}  // namespace mirevo::testing_support

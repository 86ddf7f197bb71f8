// Port: the data carried by a drag, as a drop target asks for it (an OLE data object), and
// the storage medium in which the data is handed over.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace mirevo {

// A request for data, the platform's FORMATETC with no target device.
struct DragDataFormat {
    std::uint16_t clipFormat;
    std::uint32_t aspect;
    std::int32_t index;
    std::uint32_t storageKinds;  // a set of the storage bits below

    bool operator==(const DragDataFormat&) const = default;
};

inline constexpr std::uint16_t kClipFormatText = 1;  // text in the 8-bit code page
inline constexpr std::uint32_t kAspectContent = 1;
inline constexpr std::int32_t kAllOfTheData = -1;
inline constexpr std::uint32_t kStorageGlobalMemory = 1;
inline constexpr std::uint32_t kAnyStorage = 0xFFFFFFFF;

// Data handed over by IDragData::GetData. Destroying it releases it to the platform, which
// frees the storage unless the source keeps it.
class IDragMedium {
public:
    virtual ~IDragMedium() = default;

    // One of the storage bits: which kind of storage holds the data.
    virtual std::uint32_t StorageKind() const = 0;

    // Calls read with the bytes of a global memory block while the block is locked; the
    // bytes are valid only during the call. Does nothing for other kinds of storage or when
    // the block cannot be locked.
    virtual void ReadGlobalMemory(
        const std::function<void(std::span<const std::uint8_t>)>& read) const = 0;
};

class IDragData {
public:
    struct Result {
        std::int32_t result;  // the platform's HRESULT: 0 is S_OK, negative a failure
        std::unique_ptr<IDragMedium> medium;  // set whenever data was handed over
    };

    virtual ~IDragData() = default;

    virtual Result GetData(const DragDataFormat& format) = 0;
};

}  // namespace mirevo

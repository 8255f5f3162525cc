#pragma once
// MemoryStream: a byte set as an OLE stream over a movable global block, and
// the block's bytes back as a byte set.

#include "gdiplus/gdip_object.h"

class MemoryStream {
public:
    MemoryStream() = default;
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    MemoryStream(MemoryStream&& other) noexcept;
    MemoryStream& operator=(MemoryStream&& other) noexcept;
    ~MemoryStream() { Close(); }

    // A new stream holding the bytes (the first `size` of them when a size is
    // given), positioned at the start. The second argument is not used.
    IStream* CreateFromBytes(const ByteSet& bytes, int reserved = 0, std::optional<std::uint32_t> size = {});
    void Close();
    std::size_t GetSize() const;
    IStream* GetStream() const { return stream; }
    HGLOBAL GetHGlobal() const { return hGlobal; }
    // Takes over the caller's reference to a stream made on a global block.
    bool AttachStream(IStream* source);
    ByteSet ToBytes();

private:
    HGLOBAL hGlobal = nullptr;
    void* lockedData = nullptr;
    IStream* stream = nullptr;
};

#include "gdiplus/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : hGlobal(std::exchange(other.hGlobal, nullptr)),
      lockedData(std::exchange(other.lockedData, nullptr)),
      stream(std::exchange(other.stream, nullptr)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
    if (this != &other) {
        Close();
        hGlobal = std::exchange(other.hGlobal, nullptr);
        lockedData = std::exchange(other.lockedData, nullptr);
        stream = std::exchange(other.stream, nullptr);
    }
    return *this;
}

IStream* MemoryStream::CreateFromBytes(const ByteSet& bytes, int, std::optional<std::uint32_t> size) {
    Close();
    const std::size_t n = size ? *size : bytes.size();
    hGlobal = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, n);
    if (!hGlobal) return nullptr;
    // The stream must never free the block: Close does, after releasing it.
    if (FAILED(CreateStreamOnHGlobal(hGlobal, FALSE, &stream))) stream = nullptr;
    lockedData = GlobalLock(hGlobal);
    // A size beyond the byte set leaves the rest of the block zero rather
    // than reading past the caller's bytes.
    if (lockedData && !bytes.empty()) std::memcpy(lockedData, bytes.data(), std::min(n, bytes.size()));
    GlobalUnlock(hGlobal);
    return stream;
}

void MemoryStream::Close() {
    if (stream) stream->Release();
    // Freed even without a stream: a block whose stream could not be made
    // would otherwise be lost.
    if (hGlobal) GlobalFree(hGlobal);
    stream = nullptr;
    hGlobal = nullptr;
}

std::size_t MemoryStream::GetSize() const { return hGlobal ? GlobalSize(hGlobal) : 0; }

bool MemoryStream::AttachStream(IStream* source) {
    Close();
    HGLOBAL block = nullptr;
    if (source && FAILED(GetHGlobalFromStream(source, &block))) block = nullptr;
    hGlobal = block;
    stream = source;
    return hGlobal != nullptr;
}

ByteSet MemoryStream::ToBytes() {
    if (!hGlobal) return {};
    std::size_t n = GlobalSize(hGlobal);
    // The heap may round a block up; the stream knows how much was written.
    STATSTG stat{};
    if (stream && SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)))
        n = std::min<std::size_t>(n, static_cast<std::size_t>(stat.cbSize.QuadPart));
    lockedData = GlobalLock(hGlobal);
    ByteSet bytes;
    if (lockedData && n > 0) {
        const auto* first = static_cast<const std::uint8_t*>(lockedData);
        bytes.assign(first, first + n);
    }
    GlobalUnlock(hGlobal);
    return bytes;
}

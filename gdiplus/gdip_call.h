#pragma once
// The one generic way every wrapper operation reaches the flat API.
//
// Call() converts each operation argument to the flat function's parameter
// type (a wrapper becomes its native handle, an integer becomes the GDI+
// enumeration the function expects), calls the function and stores the status
// in GdipLastStatus. The result kinds are built on it, so a pass-through
// operation is one line and its argument list is checked against the flat
// function's own signature by the compiler.
//
// Internal to the layer: included by its .cpp files only.

#include "gdiplus/gdip_object.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace flat = Gdiplus::DllExports;

namespace gdip_detail {

using Gdiplus::Status;

template <class... P>
using LastOf = std::tuple_element_t<sizeof...(P) - 1, std::tuple<P...>>;

template <class P, class A>
decltype(auto) Pass(A&& arg) {
    using D = std::remove_cvref_t<A>;
    if constexpr (std::is_base_of_v<GdipObject, D>) {
        return static_cast<P>(arg.GetNativeHandle());
    } else if constexpr (std::is_enum_v<P> && std::is_integral_v<D>) {
        return static_cast<P>(arg);
    } else {
        return std::forward<A>(arg);
    }
}

template <class... P, class... A>
Status Call(Status(WINGDIPAPI* fn)(P...), A&&... args) {
    static_assert(sizeof...(P) == sizeof...(A), "argument count differs from the flat function's");
    GdipLastStatus = fn(Pass<P>(std::forward<A>(args))...);
    return GdipLastStatus;
}

// action: true when the status is Ok.
template <class... P, class... A>
bool Act(Status(WINGDIPAPI* fn)(P...), A&&... args) {
    return Call(fn, std::forward<A>(args)...) == Gdiplus::Ok;
}

// value query: the value the last parameter receives; 0 when nothing was written.
template <class... P, class... A>
auto Value(Status(WINGDIPAPI* fn)(P...), A&&... args) {
    std::remove_pointer_t<LastOf<P...>> value{};
    Call(fn, std::forward<A>(args)..., &value);
    return value;
}

// yes/no query: the BOOL the last parameter receives.
template <class... P, class... A>
bool YesNo(Status(WINGDIPAPI* fn)(P...), A&&... args) {
    BOOL answer = FALSE;
    Call(fn, std::forward<A>(args)..., &answer);
    return answer != FALSE;
}

// create: the wrapper's own handle field receives the new object, then the
// wrapper is told about it. A failed call keeps what the wrapper held before:
// some GDI+ versions write a pointer to memory they have already freed into
// the output before failing (font creation from a missing face does).
template <class H, class... P, class... A>
bool Create(GdipObject& self, H*& field, Status(WINGDIPAPI* fn)(P...), A&&... args) {
    H* const before = field;
    const Status status = Call(fn, std::forward<A>(args)..., &field);
    if (status != Gdiplus::Ok) field = before;
    self.SetNativeHandle(field);
    return status == Gdiplus::Ok;
}

// clone / object query: another wrapper receives the new object, 0 when the
// call failed. What that wrapper held before is not released: its owner
// deletes first.
template <class... P, class... A>
bool CloneInto(GdipObject& target, Status(WINGDIPAPI* fn)(P...), A&&... args) {
    std::remove_pointer_t<LastOf<P...>> handle = nullptr;
    const Status status = Call(fn, std::forward<A>(args)..., &handle);
    target.SetNativeHandle(status == Gdiplus::Ok ? handle : nullptr);
    return status == Gdiplus::Ok;
}

// delete: nothing to do (and no status) for an empty wrapper.
template <class H, class P>
bool Delete(GdipObject& self, H* handle, Status(WINGDIPAPI* fn)(P)) {
    if (!self.GetNativeHandle()) return false;
    const Status status = Call(fn, handle);
    self.SetNativeHandle(nullptr);
    return status == Gdiplus::Ok;
}

// Failing on the layer's own account, without reaching GDI+.
inline bool Refuse(Status status = Gdiplus::InvalidParameter) {
    GdipLastStatus = status;
    return false;
}

// --- records ---------------------------------------------------------------

inline Gdiplus::PointF ToGp(const PointRecord& p) { return Gdiplus::PointF(p.x, p.y); }
inline Gdiplus::Point ToGp(const PointRecordI& p) { return Gdiplus::Point(p.x, p.y); }
inline Gdiplus::RectF ToGp(const RectRecord& r) { return Gdiplus::RectF(r.x, r.y, r.width, r.height); }
inline Gdiplus::Rect ToGp(const RectRecordI& r) { return Gdiplus::Rect(r.x, r.y, r.width, r.height); }
inline PointRecord FromGp(const Gdiplus::PointF& p) { return {p.X, p.Y}; }
inline PointRecordI FromGp(const Gdiplus::Point& p) { return {p.X, p.Y}; }
inline RectRecord FromGp(const Gdiplus::RectF& r) { return {r.X, r.Y, r.Width, r.Height}; }
inline RectRecordI FromGp(const Gdiplus::Rect& r) { return {r.X, r.Y, r.Width, r.Height}; }

template <class Rec>
using GpOf = decltype(ToGp(std::declval<Rec>()));

// A record handed in by address: the platform-typed copy lives until the end
// of the full expression that makes the call.
template <class Gp>
struct InRecord {
    Gp value;
    operator const Gp*() const { return &value; }
    operator const Gp&() const { return value; }
};
template <class Rec>
InRecord<GpOf<Rec>> In(const Rec& record) {
    return {ToGp(record)};
}

// A record of the caller filled by GDI+: copied back when the call's full
// expression ends.
template <class Rec>
class OutRecord {
public:
    explicit OutRecord(Rec& target) : value(ToGp(target)), target(target) {}
    OutRecord(const OutRecord&) = delete;
    ~OutRecord() { target = FromGp(value); }
    operator GpOf<Rec>*() { return &value; }

private:
    GpOf<Rec> value;
    Rec& target;
};
template <class Rec>
OutRecord<Rec> Out(Rec& record) {
    return OutRecord<Rec>(record);
}

// An array of records as the contiguous block the flat functions take: null
// with count 0 when empty. Built from a non-const array it is copied back
// when it goes out of scope, so outputs (transformed points) reach the caller.
template <class Rec>
class RecordBlock {
public:
    explicit RecordBlock(const std::vector<Rec>& records) { Fill(records); }
    explicit RecordBlock(std::vector<Rec>& records) : target(&records) { Fill(records); }
    RecordBlock(const RecordBlock&) = delete;
    ~RecordBlock() {
        if (!target) return;
        for (std::size_t i = 0; i < block.size(); ++i) (*target)[i] = FromGp(block[i]);
    }
    GpOf<Rec>* data() { return block.empty() ? nullptr : block.data(); }
    INT count() const { return static_cast<INT>(block.size()); }

private:
    void Fill(const std::vector<Rec>& records) {
        block.reserve(records.size());
        for (const Rec& r : records) block.push_back(ToGp(r));
    }
    std::vector<GpOf<Rec>> block;
    std::vector<Rec>* target = nullptr;
};

// Element storage of a plain array, null when empty.
template <class T>
T* Data(std::vector<T>& v) {
    return v.empty() ? nullptr : v.data();
}
template <class T>
const T* Data(const std::vector<T>& v) {
    return v.empty() ? nullptr : v.data();
}
template <class T>
INT Count(const std::vector<T>& v) {
    return static_cast<INT>(v.size());
}

// --- texts -------------------------------------------------------------------

// Wide text from a wide-text byte set, always terminated, whatever the bytes
// hold (an odd length or a missing terminator must not make GDI+ read past
// the caller's bytes).
std::wstring WideFromBytes(const ByteSet& bytes);
std::wstring Wide(const std::string& text);

// --- transforms about a centre ------------------------------------------------

// Scale or rotate about a centre with three calls. Appending (order != 0)
// moves the centre to the origin, applies, and moves back, all after the
// existing transform; prepending does the mirror sequence before it.
template <class H, class TranslateFn, class OpFn, class... OpArgs>
bool TransformAbout(H handle, TranslateFn translate, const PointRecord& centre, int order,
                    OpFn op, OpArgs... opArgs) {
    const float sign = order != 0 ? -1.0f : 1.0f;
    Call(translate, handle, sign * centre.x, sign * centre.y, order);
    Call(op, handle, opArgs..., order);
    return Act(translate, handle, -sign * centre.x, -sign * centre.y, order);
}

// Blend-style queries: ask the count (0 and the arrays untouched when that
// fails), size the caller's arrays to it, zero-filled, and fetch into them.
template <class H, class... PC, class... PF, class... T>
INT FetchArrays(H handle, Status(WINGDIPAPI* countFn)(PC...), Status(WINGDIPAPI* fetchFn)(PF...),
                std::vector<T>&... arrays) {
    INT n = 0;
    if (Call(countFn, handle, &n) != Gdiplus::Ok) return 0;
    n = std::max<INT>(n, 0);
    (arrays.assign(static_cast<std::size_t>(n), T{}), ...);
    Call(fetchFn, handle, Data(arrays)..., n);
    return n;
}

}  // namespace gdip_detail

using gdip_detail::Act;
using gdip_detail::Call;
using gdip_detail::CloneInto;
using gdip_detail::Count;
using gdip_detail::Create;
using gdip_detail::Data;
using gdip_detail::Delete;
using gdip_detail::FetchArrays;
using gdip_detail::In;
using gdip_detail::Out;
using gdip_detail::RecordBlock;
using gdip_detail::Refuse;
using gdip_detail::TransformAbout;
using gdip_detail::Value;
using gdip_detail::YesNo;
